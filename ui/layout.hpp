// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <string_view>

// The window as drawn, in twips (1/1440 inch; 15 twips are one
// device-independent pixel).

namespace flockenlinie::layout {

enum class Klasse { Label, TextBox, CommandButton };

struct Steuerelement {
    const char* name;
    Klasse klasse;
    const char* text;  // empty: starts with no text
    int links, oben, breite, hoehe;
    int tabindex;
};

inline constexpr int twips_pro_pixel = 15;
inline constexpr int fenster_breite = 4965;  // client area
inline constexpr int fenster_hoehe = 3765;
inline constexpr int rechter_rand = 4845;    // how far the result may grow

// In tab order. Labels never take the focus, so the tab chain is the two
// boxes and the button, by their tab index.
inline constexpr std::array<Steuerelement, 8> steuerelemente{{
    {"lbl_oben", Klasse::Label, "Berechnung der Flockenlinie:", 120, 240, 4575, 375, 0},
    {"lbl_temperatur", Klasse::Label, "Temp. auf 850 hPa °C:", 120, 840, 1935, 375, 1},
    {"lbl_geo", Klasse::Label, "Geopot. 850 hPa m:", 120, 1440, 1935, 375, 2},
    {"lbl_Schneefall", Klasse::Label, "Schneefall m:", 120, 2040, 1215, 375, 3},
    {"txt_temperatur", Klasse::TextBox, "", 2280, 840, 1215, 375, 4},
    {"txt_geo", Klasse::TextBox, "", 2280, 1440, 1215, 375, 5},
    {"cmd_berechnen", Klasse::CommandButton, "B&erechnen", 2280, 2760, 1215, 495, 6},
    {"lbl_ergebnis", Klasse::Label, "", 2280, 2040, 1215, 375, 7},
}};

// The row of the control with this name; the name must be in the table.
constexpr const Steuerelement& eintrag(std::string_view name) {
    return *std::ranges::find_if(steuerelemente, [&](const Steuerelement& s) { return s.name == name; });
}

}  // namespace flockenlinie::layout
