// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace flockenlinie {

// How numbers are written where the user lives. Both separators are UTF-8 and
// may be several bytes long (U+202F in French, U+2019 in Swiss German).
// Zahlformat{",", "."} is the German format.
struct Zahlformat {
    std::string dezimaltrenner;
    std::string gruppentrenner;
};

}  // namespace flockenlinie
