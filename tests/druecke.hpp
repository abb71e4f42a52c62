// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Presses of "Berechnen" and what they decide, in German unless a row names
// another format: which text is judged first, the level bit for bit, its
// range and display text. Every window carries out each German row alike.

#include <optional>

#include "befehl.hpp"
#include "formate.hpp"

namespace flockenlinie::test {

inline constexpr const char* keine_zahl = "Bitte geben Sie eine Zahl ein!";
inline constexpr const char* nicht_moeglich = "Berechnung nicht möglich!";

struct Druck {
    const char *temperatur, *geo;
    Ziel ziel;                   // the one control that changes
    std::optional<double> wert;  // var_ergebnis, bit for bit
    const char* text;            // the message, or else what lbl_ergebnis shows
    const Zahlformat* format = &deutsch;
    bool meldung() const { return text == keine_zahl || text == nicht_moeglich; }
};

using enum Ziel;
inline const Druck druecke[] = {
    // The rule's own examples, exact to the last bit.
    {"2,5", "1500", lbl_ergebnis, 1575, "1575"},
    {"-7,9", "1500,3", lbl_ergebnis, 15.299999999999955, "15,3"},
    {"-8", "1500,3", lbl_ergebnis, 0.2999999999999545, "0,299999999999955"},
    {"-10", "1500", lbl_ergebnis, -300, nicht_moeglich},
    {"60", "1300", lbl_ergebnis, 10000, nicht_moeglich},
    // Subtract first, then multiply: -7,97 × 150 − 300 would give 4,5.
    {"-7,97", "1500", lbl_ergebnis, 4.500000000000227, "4,50000000000023"},
    // The temperature is judged first; the height only when it is a number,
    // and both before anything is computed. Both empty: one message.
    {"", "", txt_temperatur, std::nullopt, keine_zahl},
    {"2.5", "x", txt_temperatur, std::nullopt, keine_zahl},
    {"5", "", txt_geo, std::nullopt, keine_zahl},
    {"1,3E306", "1E400", txt_geo, std::nullopt, keine_zahl},
    // 0 m is in, 10000 m is out, and so is every level below zero.
    {"2", "-0", lbl_ergebnis, 0, "0"},
    {"2", "9999,999999999999", lbl_ergebnis, 9999.999999999999, "10000"},
    {"2", "-1E-300", lbl_ergebnis, -1e-300, nicht_moeglich},
    {"1E306", "0", lbl_ergebnis, (1e306 - 2.0) * 150.0, nicht_moeglich},
    // Beyond the range of a double, in the temperature term or in the sum:
    // a message, the result as it was, and the window carries on.
    {"1,3E306", "0", keines, std::nullopt, nicht_moeglich},
    {"1E306", "1,7E308", keines, std::nullopt, nicht_moeglich},
    // Refused in another format's notation.
    {"2,5", "1500", txt_temperatur, std::nullopt, keine_zahl, &usa},
};

}  // namespace flockenlinie::test
