#include "berechnung.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <string>

#include "formate.hpp"

namespace flockenlinie {
namespace {

using test::deutsch;
using A = Ausgangsart;

struct Fall {
    std::string temperatur;
    std::string geo;
    A art;
    std::optional<double> wert;  // for ok and ausserhalb_bereich
    std::string anzeige;         // for ok
    const Zahlformat* format = &deutsch;
};

void PrintTo(const Fall& f, std::ostream* os) { *os << '"' << f.temperatur << "\" / \"" << f.geo << '"'; }

class Berechnung : public testing::TestWithParam<Fall> {};

TEST_P(Berechnung, Ausgang) {
    const Fall& f = GetParam();
    const Berechnungsausgang a = ergebnis_berechnen(f.temperatur, f.geo, *f.format);
    ASSERT_EQ(a.art, f.art);
    if (f.wert) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(a.wert), std::bit_cast<std::uint64_t>(*f.wert)) << a.wert;
    }
    EXPECT_EQ(a.anzeige, f.anzeige);
}

// The rule's own examples, bit for bit.
INSTANTIATE_TEST_SUITE_P(Beispiele, Berechnung, testing::Values(
    Fall{"2", "1500", A::ok, 1500, "1500"},
    Fall{"0", "1400", A::ok, 1100, "1100"},
    Fall{"2,5", "1500", A::ok, 1575, "1575"},
    Fall{"-7,9", "1500,3", A::ok, 15.299999999999955, "15,3"},
    Fall{"-8", "1500,3", A::ok, 0.2999999999999545, "0,299999999999955"},
    Fall{"-8", "1500", A::ok, 0, "0"},
    Fall{"60", "1300", A::ausserhalb_bereich, 10000, ""},
    Fall{"-10", "1500", A::ausserhalb_bereich, -300, ""}));

// The temperature is judged first; the height only when it is a number.
INSTANTIATE_TEST_SUITE_P(Reihenfolge, Berechnung, testing::Values(
    Fall{"", "", A::temperatur_keine_zahl, std::nullopt, ""},
    Fall{"abc", "x", A::temperatur_keine_zahl, std::nullopt, ""},
    Fall{"abc", "1500", A::temperatur_keine_zahl, std::nullopt, ""},
    Fall{"2.5", "1500", A::temperatur_keine_zahl, std::nullopt, ""},
    Fall{"5", "", A::geo_keine_zahl, std::nullopt, ""},
    Fall{"5", "x", A::geo_keine_zahl, std::nullopt, ""},
    Fall{"5", "1E400", A::geo_keine_zahl, std::nullopt, ""},
    // Both texts are judged before anything is computed, so no overflow here.
    Fall{"1,3E306", "abc", A::geo_keine_zahl, std::nullopt, ""}));

// 0 m is in, 10000 m is out, and so is every level below zero.
INSTANTIATE_TEST_SUITE_P(Grenzen, Berechnung, testing::Values(
    Fall{"2", "0", A::ok, 0, "0"},
    Fall{"2", "-0", A::ok, 0, "0"},
    Fall{"2", "9999,99", A::ok, 9999.99, "9999,99"},
    Fall{"2", "9999,999999999999", A::ok, 9999.999999999999, "10000"},
    Fall{"2", "10000", A::ausserhalb_bereich, 10000, ""},
    Fall{"2", "-0,0001", A::ausserhalb_bereich, -0.0001, ""},
    Fall{"2", "-1E-300", A::ausserhalb_bereich, -1e-300, ""},
    Fall{"2", "1E-5", A::ok, 1e-5, "0,00001"},
    Fall{"1E306", "0", A::ausserhalb_bereich, (1e306 - 2.0) * 150.0, ""},
    Fall{"2", "1,7E308", A::ausserhalb_bereich, 1.7e308, ""}));

INSTANTIATE_TEST_SUITE_P(Formate, Berechnung, testing::Values(
    Fall{"2.5", "1,500", A::ok, 1575, "1575", &test::usa},
    Fall{"-7.9", "1\u2019500.3", A::ok, 15.299999999999955, "15.3", &test::schweiz},
    Fall{"\u22127,9", "1\u202F500,3", A::ok, 15.299999999999955, "15,3", &test::frankreich},
    Fall{"2,5", "1500", A::temperatur_keine_zahl, std::nullopt, "", &test::usa}));

// Inputs near the top of the double range leave it: no level at all.
struct Ueberlauf {
    std::string temperatur;
    std::string geo;
};

class BerechnungUeberlauf : public testing::TestWithParam<Ueberlauf> {};

TEST_P(BerechnungUeberlauf, WirftRechenfehler) {
    EXPECT_THROW(ergebnis_berechnen(GetParam().temperatur, GetParam().geo, deutsch), Rechenfehler);
}

INSTANTIATE_TEST_SUITE_P(Ueberlauf, BerechnungUeberlauf, testing::Values(
    Ueberlauf{"1,3E306", "0"},
    Ueberlauf{"-1,3E306", "0"},
    Ueberlauf{"1E306", "1,7E308"},
    Ueberlauf{"-1E306", "-1,7E308"}));

}  // namespace
}  // namespace flockenlinie
