// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zahl_anzeigen.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace flockenlinie {

std::string zahl_anzeigen(double wert, const Zahlformat& format) {
    if (!std::isfinite(wert)) return {};
    if (wert == 0.0) return "0";
    // "-d.dddddddddddddde-308": the 15 significant digits rounded from the
    // exact binary value, so that a tie like 4096.000244140625 goes to the even
    // digit and 1E-314, below the normal doubles, shows 9.99999999963881E-315.
    constexpr int stellen = 15;
    std::array<char, 32> puffer;
    const char* const ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                           std::chars_format::scientific, stellen - 1).ptr;
    const bool negativ = puffer[0] == '-';
    char* const ziffern = puffer.data() + negativ + 1;  // the first digit, copied over the point,
    ziffern[0] = ziffern[-1];                           // joins the other fourteen
    const char* const hoch = ziffern + stellen + 1;     // after the "e"
    int exponent = 0;
    std::from_chars(hoch + (*hoch == '+'), ende, exponent);
    int anzahl = stellen;  // without trailing zeros
    while (anzahl > 1 && ziffern[anzahl - 1] == '0') --anzahl;
    const std::string_view trenner = format.dezimaltrenner;

    // Digits before the separator (at least "0"), then the fraction.
    const int ganz = exponent >= 0 ? exponent + 1 : 1;
    const int fuehrende_nullen = exponent < 0 ? -exponent - 1 : 0;
    const int bruch = exponent >= 0 ? std::max(0, anzahl - ganz) : fuehrende_nullen + anzahl;

    // One allocation at most, of the final size; the level's usual few
    // digits fit in the string itself.
    const std::size_t laenge = negativ + ganz + (bruch > 0 ? trenner.size() + bruch : 0);
    std::string text(laenge, '0');
    char* p = text.data();
    if (negativ) *p++ = '-';
    if (exponent < 0) {
        ++p;  // the "0" before the separator
    } else {
        const int stehen = std::min(ganz, anzahl);  // the rest of the integer part stays "0"
        p = std::copy_n(ziffern, stehen, p) + (ganz - stehen);
    }
    if (bruch > 0) {
        p = std::copy(trenner.begin(), trenner.end(), p) + fuehrende_nullen;
        const int ab = exponent >= 0 ? ganz : 0;
        std::copy(ziffern + ab, ziffern + anzahl, p);
    }
    return text;
}

}  // namespace flockenlinie
