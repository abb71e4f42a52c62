// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// The display text: 15 significant digits, correctly rounded, never an
// exponent, in the user's decimal separator.
#include "zahl_anzeigen.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "formate.hpp"

namespace flockenlinie {
namespace {

using test::deutsch;

void zeigt(double wert, const std::string& text, const Zahlformat& format = deutsch) {
    EXPECT_EQ(zahl_anzeigen(wert, format), text) << wert;
}

TEST(ZahlAnzeigen, Text) {
    zeigt(0, "0"), zeigt(-0.0, "0"), zeigt(NAN, ""), zeigt(-2.5, "-2,5"), zeigt(1.25e-7, "0,000000125");
    zeigt(1e20, "100000000000000000000"), zeigt(123456789012345678.0, "123456789012346000");
    // Rounded to 15 digits, carrying over; exact binary ties go to the even
    // digit, as printf does.
    zeigt(15.299999999999955, "15,3"), zeigt(9999.999999999999, "10000");
    zeigt(4096.000244140625, "4096,00024414062"), zeigt(4096.000732421875, "4096,00073242188");
    // Below the smallest normal double, the digits of the exact value.
    zeigt(1e-314, "0," + std::string(314, '0') + "999999999963881");
    zeigt(15.3, "15.3", test::usa), zeigt(1575, "1575", test::frankreich), zeigt(15.3, "15\u066B" "3", {"\u066B", ""});
}

// printf's %.14e (the 15-digit rounding of the exact binary value) written
// out without exponent, trailing zeros or a trailing separator, in German.
std::string wie_printf(double wert) {
    char e[64];  // "d.dddddddddddddde-XXX"
    std::snprintf(e, sizeof e, "%.14e", std::fabs(wert));
    std::string ziffern = e[0] + std::string(e + 2, 14);
    ziffern.erase(ziffern.find_last_not_of('0') + 1);
    const int exponent = std::atoi(e + 17);
    const std::string vorzeichen = std::signbit(wert) ? "-" : "";
    if (exponent < 0) return vorzeichen + "0," + std::string(-exponent - 1, '0') + ziffern;
    const auto ganz = static_cast<std::size_t>(exponent) + 1;
    if (ziffern.size() <= ganz) return vorzeichen + ziffern + std::string(ganz - ziffern.size(), '0');
    return vorzeichen + ziffern.substr(0, ganz) + "," + ziffern.substr(ganz);
}

// At every magnitude the text is printf's rounding: a third levels as users
// see them, a third any bit pattern, a third subnormal.
TEST(ZahlAnzeigen, Ist15StelligeRundungWiePrintf) {
    std::mt19937_64 zufall(15);
    std::uniform_real_distribution<double> ueblich(0.0, 10'000.0);
    for (int i = 0; i < 150'000; ++i) {
        double wert = ueblich(zufall);
        if (i % 3) {
            do {
                const std::uint64_t bits = zufall();
                wert = std::bit_cast<double>(i % 3 == 1 ? bits : bits & 0x800F'FFFF'FFFF'FFFF);
            } while (!std::isfinite(wert) || wert == 0);
        }
        ASSERT_EQ(zahl_anzeigen(wert, deutsch), wie_printf(wert));
    }
}

}  // namespace
}  // namespace flockenlinie
