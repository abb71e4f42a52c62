// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "layout.hpp"

// Where the table's controls stand on a screen, in pixels, from what the
// window measures in its platform's fonts. `k` is pixels per twip: the
// screen's (1/15 at 96 dpi, dpi/1440 in general) times the window's
// enlargement.

namespace flockenlinie::layout {

// A screen's density in dots per inch, as the window lays itself out for
// it. Windows answers 0 where it cannot tell one (GetDpiForWindow for a
// window handle that is no longer valid): that counts as the standard
// 96 dpi, never as a screen without pixels, which no size divides by.
constexpr unsigned dpi_oder_standard(unsigned dpi) { return dpi ? dpi : 96; }

// A control's cell: its left and top corner, its width and height.
struct Zelle {
    int links, oben, breite, hoehe;
    friend bool operator==(const Zelle&, const Zelle&) = default;
};

// Corners rounded to the nearest pixel, sizes rounded up: a caption never
// loses its last pixel column.
inline Zelle in_pixel(const Steuerelement& s, double k) {
    return {static_cast<int>(std::lround(s.links * k)), static_cast<int>(std::lround(s.oben * k)),
            static_cast<int>(std::ceil(s.breite * k)), static_cast<int>(std::ceil(s.hoehe * k))};
}

inline int fenster_breite_pixel(double k) { return static_cast<int>(std::ceil(fenster_breite * k)); }
inline int fenster_hoehe_pixel(double k) { return static_cast<int>(std::ceil(fenster_hoehe * k)); }

struct Groesse {
    int breite, hoehe;
};

// The smallest uniform enlargement of the table that lets every caption, the
// heading and the button text fit its cell at `k`; 1 where all fit as drawn.
// `noetig(s)` is what the control's text needs in the platform's font.
template <typename Messen>
double vergroesserung(double k, Messen noetig) {
    double faktor = 1.0;
    for (const Steuerelement& s : steuerelemente) {
        if (s.klasse == Klasse::TextBox || *s.text == '\0') continue;
        const Groesse g = noetig(s);
        faktor = std::max({faktor, g.breite / (s.breite * k), g.hoehe / (s.hoehe * k)});
    }
    return faktor;
}

// The result as its field shows it. A number cut short reads as another
// number: the field grows to the right as far as the window's margin, and
// what is still too wide is shortened in the middle, "…" in place of what
// is left out; the window then keeps the whole number where the user can
// read and copy it.
struct Einpassung {
    int breite, hoehe;    // of the field, in pixels
    std::string gezeigt;  // UTF-8
    bool gekuerzt;
};

// `noetig(text)` is the width the field needs to show a UTF-8 text whole,
// its frame included.
template <typename Messen>
Einpassung ergebnis_einpassen(std::string_view text, double k, Messen noetig) {
    const Zelle zelle = in_pixel(steuerelemente[lbl_ergebnis], k);
    const int hoechstens = static_cast<int>(std::floor(rechter_rand * k)) - zelle.links;
    const int breite = noetig(text);
    if (breite <= hoechstens) return {std::max(zelle.breite, breite), zelle.hoehe, std::string(text), false};
    const int platz = std::max(zelle.breite, hoechstens);
    // Whole characters from the front and the back, one more at the front
    // where they are odd; never a UTF-8 sequence cut.
    std::vector<std::size_t> beginn;  // of each character, and the end
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || (text[i] & 0xC0) != 0x80) beginn.push_back(i);
    }
    const std::size_t zeichen = beginn.size() - 1;
    for (std::size_t n = zeichen; n-- > 0;) {
        std::string t = std::string(text.substr(0, beginn[(n + 1) / 2])) + "\u2026" + std::string(text.substr(beginn[zeichen - n / 2]));
        if (noetig(t) <= platz) return {platz, zelle.hoehe, std::move(t), true};
    }
    return {platz, zelle.hoehe, "\u2026", true};
}

}  // namespace flockenlinie::layout
