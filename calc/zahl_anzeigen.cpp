// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zahl_anzeigen.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace flockenlinie {

namespace {

constexpr int stellen = 15;

// The significant digits of a non-zero finite value (up to 17 as written,
// 15 once rounded) and the power of ten of the first one.
struct Ziffern {
    std::array<char, 17> ziffer{};
    int anzahl = 0;  // significant digits, no trailing zeros
    int exponent = 0;
    bool negativ = false;
};

// Splits std::to_chars' "-d.ddde+XX" into digits and exponent.
Ziffern zerlegen(const char* p, const char* ende) {
    Ziffern z;
    z.negativ = *p == '-';
    p += z.negativ;
    for (; *p != 'e'; ++p) {
        if (*p != '.') z.ziffer[z.anzahl++] = *p;
    }
    const bool hoch_negativ = *++p == '-';
    for (++p; p != ende; ++p) z.exponent = z.exponent * 10 + (*p - '0');
    if (hoch_negativ) z.exponent = -z.exponent;
    while (z.anzahl > 1 && z.ziffer[z.anzahl - 1] == '0') --z.anzahl;
    return z;
}

Ziffern wissenschaftlich(double wert, std::optional<int> genauigkeit) {
    // "-d.dddddddddddddddde-308"
    std::array<char, 32> puffer;
    char* const anfang = puffer.data();
    char* const ende = genauigkeit ? std::to_chars(anfang, anfang + puffer.size(), wert,
                                                   std::chars_format::scientific, *genauigkeit).ptr
                                   : std::to_chars(anfang, anfang + puffer.size(), wert,
                                                   std::chars_format::scientific).ptr;
    return zerlegen(anfang, ende);
}

// The shortest digits that read back as the value (at most 17) are the
// value's own 15-digit rounding when there are no more than 15 of them, and
// round to it when there are more, unless what is cut off is exactly one half:
// only the exact binary value can settle that tie, and printing with a fixed
// precision (about twice as slow) does. Below the smallest normal double the
// doubles lie farther apart than a 15th digit, so that the shortest digits
// say less than the value holds (1E-314 is 9.99999999963881E-315): there too
// the digits are printed from the exact value.
Ziffern runden(double wert) {
    if (std::fabs(wert) < std::numeric_limits<double>::min()) return wissenschaftlich(wert, stellen - 1);
    Ziffern z = wissenschaftlich(wert, std::nullopt);
    if (z.anzahl <= stellen) return z;

    const bool genau_halb = z.ziffer[stellen] == '5' && (z.anzahl == stellen + 1);
    if (genau_halb) return wissenschaftlich(wert, stellen - 1);

    const bool aufrunden = z.ziffer[stellen] >= '5';
    z.anzahl = stellen;
    if (aufrunden) {
        int i = stellen - 1;
        for (; i >= 0 && z.ziffer[i] == '9'; --i) z.ziffer[i] = '0';
        if (i >= 0) {
            ++z.ziffer[i];
        } else {  // 999999999999999|5.. becomes 1 at the next power of ten
            z.ziffer[0] = '1';
            ++z.exponent;
        }
    }
    while (z.anzahl > 1 && z.ziffer[z.anzahl - 1] == '0') --z.anzahl;
    return z;
}

}  // namespace

std::string zahl_anzeigen(double wert, const Zahlformat& format) {
    if (!std::isfinite(wert)) return {};
    if (wert == 0.0) return "0";
    const Ziffern z = runden(wert);
    const std::string_view trenner = format.dezimaltrenner;

    // Digits before the separator (at least "0"), then the fraction.
    const int ganz = z.exponent >= 0 ? z.exponent + 1 : 1;
    const int fuehrende_nullen = z.exponent < 0 ? -z.exponent - 1 : 0;
    const int bruch = z.exponent >= 0 ? std::max(0, z.anzahl - ganz) : fuehrende_nullen + z.anzahl;

    // One allocation at most, of the final size; the level's usual few
    // digits fit in the string itself.
    const std::size_t laenge = z.negativ + ganz + (bruch > 0 ? trenner.size() + bruch : 0);
    std::string text(laenge, '0');
    char* p = text.data();
    if (z.negativ) *p++ = '-';
    if (z.exponent < 0) {
        ++p;  // the "0" before the separator
    } else {
        const int stehen = std::min(ganz, z.anzahl);  // the rest of the integer part stays "0"
        p = std::copy_n(z.ziffer.data(), stehen, p) + (ganz - stehen);
    }
    if (bruch > 0) {
        p = std::copy(trenner.begin(), trenner.end(), p) + fuehrende_nullen;
        const int ab = z.exponent >= 0 ? ganz : 0;
        std::copy(z.ziffer.data() + ab, z.ziffer.data() + z.anzahl, p);
    }
    return text;
}

}  // namespace flockenlinie
