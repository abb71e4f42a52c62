// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>

// The window as drawn, in twips (1/1440 inch; 15 twips are one
// device-independent pixel).

namespace flockenlinie::layout {

enum class Klasse { Label, TextBox, CommandButton };

// The controls by name, in the order of the table.
enum Name : int {
    lbl_oben, lbl_temperatur, lbl_geo, lbl_Schneefall, txt_temperatur, txt_geo, cmd_berechnen,
    lbl_ergebnis,  // the output field: a label that shows the result
    anzahl,
    keines = -1,
};

struct Steuerelement {
    const char* name;
    Klasse klasse;
    const char* text;  // empty: starts with no text
    int links, oben, breite, hoehe;
    int tabindex;
    Name fuer = keines;  // a caption: the control it names, to the right in its row
};

inline constexpr int twips_pro_pixel = 15;
inline constexpr int fenster_breite = 4965;  // client area
inline constexpr int fenster_hoehe = 3765;
inline constexpr int rechter_rand = 4845;    // how far the result may grow

// Labels never take the focus, so the tab chain is the two boxes and the
// button, by their tab index.
inline constexpr std::array<Steuerelement, anzahl> steuerelemente = [] {
    std::array<Steuerelement, anzahl> t{};
    t[lbl_oben] = {"lbl_oben", Klasse::Label, "Berechnung der Flockenlinie:", 120, 240, 4575, 375, 0};
    t[lbl_temperatur] = {"lbl_temperatur", Klasse::Label, "Temp. auf 850 hPa °C:", 120, 840, 1935, 375, 1, txt_temperatur};
    t[lbl_geo] = {"lbl_geo", Klasse::Label, "Geopot. 850 hPa m:", 120, 1440, 1935, 375, 2, txt_geo};
    t[lbl_Schneefall] = {"lbl_Schneefall", Klasse::Label, "Schneefall m:", 120, 2040, 1215, 375, 3, lbl_ergebnis};
    t[txt_temperatur] = {"txt_temperatur", Klasse::TextBox, "", 2280, 840, 1215, 375, 4};
    t[txt_geo] = {"txt_geo", Klasse::TextBox, "", 2280, 1440, 1215, 375, 5};
    t[cmd_berechnen] = {"cmd_berechnen", Klasse::CommandButton, "B&erechnen", 2280, 2760, 1215, 495, 6};
    t[lbl_ergebnis] = {"lbl_ergebnis", Klasse::Label, "", 2280, 2040, 1215, 375, 7};
    return t;
}();

inline constexpr Name name_von(const Steuerelement& s) { return static_cast<Name>(&s - steuerelemente.data()); }

// The letter a button's caption marks with "&", in lower case: Alt and it
// press the button.
constexpr char zugriffstaste(const Steuerelement& s) {
    for (const char* c = s.text; *c; ++c) {
        if (c[0] == '&' && c[1] != '&' && c[1] != '\0') return c[1] >= 'A' && c[1] <= 'Z' ? c[1] - 'A' + 'a' : c[1];
    }
    return '\0';
}

// What the windows rely on, checked as the program is compiled.
static_assert(std::ranges::all_of(steuerelemente, [](const Steuerelement& s) { return s.name; }),
              "a control without its row");
static_assert(std::ranges::all_of(steuerelemente, [](const Steuerelement& s) {
                  return s.klasse != Klasse::CommandButton || zugriffstaste(s);
              }), "a button without an access key (\"&\" before a letter of its caption)");
static_assert(std::ranges::all_of(steuerelemente, [](const Steuerelement& s) {
                  if (s.fuer == keines) return true;
                  const Steuerelement& box = steuerelemente[s.fuer];
                  return s.klasse == Klasse::Label && box.oben == s.oben && box.links > s.links;
              }), "a caption not in the row of the control it names, or not left of it");

}  // namespace flockenlinie::layout
