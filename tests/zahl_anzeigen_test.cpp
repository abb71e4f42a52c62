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

struct Anzeige {
    double wert;
    Zahlformat format;
    std::string text;
};

class ZahlAnzeigen : public testing::TestWithParam<Anzeige> {};

TEST_P(ZahlAnzeigen, Text) {
    const auto& [wert, format, text] = GetParam();
    EXPECT_EQ(zahl_anzeigen(wert, format), text) << wert;
}

INSTANTIATE_TEST_SUITE_P(Ganz, ZahlAnzeigen, testing::Values(
    Anzeige{0, deutsch, "0"},
    Anzeige{-0.0, deutsch, "0"},
    Anzeige{1e15, deutsch, "1000000000000000"},
    Anzeige{123456789012345678.0, deutsch, "123456789012346000"}));

INSTANTIATE_TEST_SUITE_P(Gerundet, ZahlAnzeigen, testing::Values(
    Anzeige{15.299999999999955, deutsch, "15,3"},
    Anzeige{0.2999999999999545, deutsch, "0,299999999999955"},
    Anzeige{0.1 + 0.2, deutsch, "0,3"},
    Anzeige{9999.999999999999, deutsch, "10000"},
    Anzeige{-2.5, deutsch, "-2,5"},
    // Exact binary ties go to the even digit, as printf does.
    Anzeige{4096.000244140625, deutsch, "4096,00024414062"},
    Anzeige{4096.000732421875, deutsch, "4096,00073242188"}));

INSTANTIATE_TEST_SUITE_P(OhneExponent, ZahlAnzeigen, testing::Values(
    Anzeige{0.00001, deutsch, "0,00001"},
    Anzeige{0.0001, deutsch, "0,0001"},
    Anzeige{1.25e-7, deutsch, "0,000000125"},
    Anzeige{1e20, deutsch, "100000000000000000000"},
    // Below the smallest normal double, the digits of the exact value.
    Anzeige{1e-314, deutsch, "0," + std::string(314, '0') + "999999999963881"},
    Anzeige{9.8813129168249309e-324, deutsch, "0," + std::string(323, '0') + "988131291682493"},
    Anzeige{-4.9406564584124654e-324, deutsch, "-0," + std::string(323, '0') + "494065645841247"}));

INSTANTIATE_TEST_SUITE_P(Formate, ZahlAnzeigen, testing::Values(
    Anzeige{15.3, test::usa, "15.3"},
    Anzeige{15.3, test::schweiz, "15.3"},
    Anzeige{15.3, test::frankreich, "15,3"},
    Anzeige{1575, test::frankreich, "1575"},
    Anzeige{15.3, Zahlformat{"\u066B", "\u066C"}, "15\u066B" "3"}));

// printf's %.15g is the reference wherever it does not switch to exponents.
TEST(ZahlAnzeigen, WiePrintfImUeblichenBereich) {
    std::mt19937_64 zufall(4096);
    std::uniform_real_distribution<double> grenze(0.0001, 1e15);
    std::uniform_real_distribution<double> ueblich(0.0, 10'000.0);
    const Zahlformat punkt{".", ""};
    for (int i = 0; i < 100'000; ++i) {
        const double wert = i % 2 ? grenze(zufall) : ueblich(zufall);
        char erwartet[64];
        std::snprintf(erwartet, sizeof erwartet, "%.15g", wert);
        ASSERT_EQ(zahl_anzeigen(wert, punkt), erwartet);
    }
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

// At every magnitude, subnormals included, the text is printf's rounding.
TEST(ZahlAnzeigen, Ist15StelligeRundungWiePrintf) {
    std::mt19937_64 zufall(15);
    for (int i = 0; i < 100'000; ++i) {
        double wert;
        do {
            const std::uint64_t bits = zufall();
            wert = std::bit_cast<double>(i % 4 ? bits : bits & 0x800F'FFFF'FFFF'FFFF);  // a quarter subnormal
        } while (!std::isfinite(wert) || wert == 0);
        ASSERT_EQ(zahl_anzeigen(wert, deutsch), wie_printf(wert));
    }
}

}  // namespace
}  // namespace flockenlinie
