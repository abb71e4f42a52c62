#pragma once

#include "zahlformat.hpp"

namespace flockenlinie::test {

// The number formats of the users we check against.
inline const Zahlformat deutsch{",", "."};
inline const Zahlformat schweiz{".", "\u2019"};
inline const Zahlformat usa{".", ","};
inline const Zahlformat frankreich{",", "\u202F"};

}  // namespace flockenlinie::test
