// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <bit>
#include <cstdint>
#include <optional>

#include "zahlformat.hpp"

namespace flockenlinie::test {

// The number formats of the users we check against.
inline const Zahlformat deutsch{",", "."};
inline const Zahlformat schweiz{".", "\u2019"};  // Windows; Qt 6.4 and 6.8
inline const Zahlformat schweiz_schreibmaschine{".", "'"};  // Qt 6.11
inline const Zahlformat usa{".", ","};
inline const Zahlformat frankreich{",", "\u202F"};

// One calculation as the users of each locale (BCP 47 name) type and read it.
struct Schreibweise {
    const char* gebiet;
    Zahlformat format;
    const char *temperatur, *geo, *ergebnis;
};

inline const Schreibweise schreibweisen[] = {
    {"de-DE", deutsch, "-7,9", "1.500,3", "15,3"},
    {"de-CH", schweiz, "-7.9", "1\u2019500.3", "15.3"},
    {"de-CH", schweiz_schreibmaschine, "-7.9", "1'500.3", "15.3"},
    {"en-US", usa, "-7.9", "1,500.3", "15.3"},
    {"fr-FR", frankreich, "-7,9", "1\u202F500,3", "15,3"},
};

// A number compared bit for bit, so that the sign of zero counts too; none
// where there is no number.
inline std::optional<std::uint64_t> bits(std::optional<double> x) {
    return x ? std::optional(std::bit_cast<std::uint64_t>(*x)) : std::nullopt;
}

}  // namespace flockenlinie::test
