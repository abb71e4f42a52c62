// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Presses of "Berechnen" that every window must answer alike, in German.
// Before each, the window has shown 1575 for 2,5 and 1500; afterwards it
// stands as the row says. Texts are UTF-8.

namespace flockenlinie::test {

// Typed; the message (nullptr: none); the boxes and the result as shown; the fields kept.
struct Druck {
    const char *temperatur, *geo, *meldung, *txt_temperatur, *txt_geo, *lbl_ergebnis, *str_temperatur, *str_geo;
    double var_ergebnis;
};

inline constexpr const char* keine_zahl = "Bitte geben Sie eine Zahl ein!";
inline constexpr const char* nicht_moeglich = "Berechnung nicht möglich!";

inline constexpr Druck druecke[] = {
    // Both empty: one message, for the temperature; the height box untouched.
    {"", "", keine_zahl, "", "", "1575", "2,5", "1500", 1575},
    {"abc", "1500", keine_zahl, "", "1500", "1575", "2,5", "1500", 1575},
    {"5", "x", keine_zahl, "5", "", "1575", "5", "1500", 1575},
    {"-10", "1500", nicht_moeglich, "-10", "1500", "", "-10", "1500", -300},
    {"-7,9", "1500,3", nullptr, "-7,9", "1500,3", "15,3", "-7,9", "1500,3", 15.299999999999955},
    // Beyond the range of a double: a message, the result as it was, and the
    // window carries on.
    {"1,3E306", "0", nicht_moeglich, "1,3E306", "0", "1575", "1,3E306", "0", 1575},
};

}  // namespace flockenlinie::test
