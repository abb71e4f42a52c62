#include "zahl_anzeigen.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace flockenlinie {

namespace {

constexpr int stellen = 15;

// The 15 significant digits of a non-zero finite value and the power of ten
// of the first one, as std::to_chars rounds them.
struct Ziffern {
    std::array<char, stellen> ziffer{};
    int anzahl = 0;  // without trailing zeros
    int exponent = 0;
    bool negativ = false;
};

Ziffern runden(double wert) {
    // "-d.ddddddddddddddde-308": 1 + 1 + 1 + 14 + 5
    std::array<char, 32> puffer;
    const auto ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                    std::chars_format::scientific, stellen - 1)
                          .ptr;
    std::string_view s(puffer.data(), ende - puffer.data());

    Ziffern z;
    z.negativ = s.front() == '-';
    if (z.negativ) s.remove_prefix(1);
    const auto e = s.find('e');
    int n = 0;
    for (const char c : s.substr(0, e)) {
        if (c != '.') z.ziffer[n++] = c;
    }
    z.anzahl = n;
    while (z.anzahl > 1 && z.ziffer[z.anzahl - 1] == '0') --z.anzahl;

    std::string_view hoch = s.substr(e + 1);
    if (hoch.front() == '+') hoch.remove_prefix(1);
    std::from_chars(hoch.data(), hoch.data() + hoch.size(), z.exponent);
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

    std::string text;
    text.reserve(z.negativ + ganz + (bruch > 0 ? trenner.size() + bruch : 0));
    if (z.negativ) text += '-';
    if (z.exponent < 0) {
        text += '0';
    } else {
        for (int i = 0; i < ganz; ++i) text += i < z.anzahl ? z.ziffer[i] : '0';
    }
    if (bruch > 0) {
        text += trenner;
        text.append(fuehrende_nullen, '0');
        const int ab = z.exponent >= 0 ? ganz : 0;
        text.append(z.ziffer.data() + ab, z.anzahl - ab);
    }
    return text;
}

}  // namespace flockenlinie
