// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>

#include "layout.hpp"

// Where the table's controls stand on a screen, in pixels. `k` is pixels per
// twip: the screen's (1/15 at 96 dpi, dpi/1440 in general) times the window's
// enlargement.

namespace flockenlinie::layout {

struct Rechteck {
    int links, oben, breite, hoehe;
    friend bool operator==(const Rechteck&, const Rechteck&) = default;
};

// Corners rounded to the nearest pixel, sizes rounded up: a caption never
// loses its last pixel column.
inline Rechteck in_pixel(const Steuerelement& s, double k) {
    return {static_cast<int>(std::lround(s.links * k)), static_cast<int>(std::lround(s.oben * k)),
            static_cast<int>(std::ceil(s.breite * k)), static_cast<int>(std::ceil(s.hoehe * k))};
}

inline int fenster_breite_pixel(double k) { return static_cast<int>(std::ceil(fenster_breite * k)); }
inline int fenster_hoehe_pixel(double k) { return static_cast<int>(std::ceil(fenster_hoehe * k)); }

// The uniform enlargement a control's text needs (its `breite` × `hoehe`
// pixels in the platform's font) to fit its cell at `k`; 1 where it fits. The
// window takes the largest over its captions, heading and button.
inline double vergroesserung(const Steuerelement& s, double k, int breite, int hoehe) {
    return std::max({1.0, breite / (s.breite * k), hoehe / (s.hoehe * k)});
}

// The result grows to the right as far as the window's margin; what is still
// wider is shortened in the middle by the window, its whole text kept in a
// tooltip.
struct Ergebnisbreite {
    int breite;    // of the control
    bool kuerzen;  // the text needs more than the margin allows
};

inline Ergebnisbreite ergebnis_breite(const Steuerelement& s, double k, int noetig) {
    const Rechteck r = in_pixel(s, k);
    const int hoechstens = static_cast<int>(std::floor(rechter_rand * k)) - r.links;
    return {std::max(r.breite, std::min(noetig, hoechstens)), noetig > hoechstens};
}

}  // namespace flockenlinie::layout
