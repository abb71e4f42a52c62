// The calculation: which text is judged first, the level bit for bit, its
// range and its display text. (Overflow is checked through the command.)
#include "berechnung.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>

#include "formate.hpp"

namespace flockenlinie {
namespace {

using enum Ausgangsart;

struct Fall {
    const char* temperatur;
    const char* geo;
    Ausgangsart art;
    std::optional<double> wert;  // for ok and ausserhalb_bereich, bit for bit
    const char* anzeige = "";    // for ok
    const Zahlformat* format = &test::deutsch;
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

INSTANTIATE_TEST_SUITE_P(Faelle, Berechnung, testing::Values(
    // The rule's own examples.
    Fall{"2", "1500", ok, 1500, "1500"},
    Fall{"0", "1400", ok, 1100, "1100"},
    Fall{"2,5", "1500", ok, 1575, "1575"},
    Fall{"-7,9", "1500,3", ok, 15.299999999999955, "15,3"},
    Fall{"-8", "1500,3", ok, 0.2999999999999545, "0,299999999999955"},
    Fall{"-8", "1500", ok, 0, "0"},
    Fall{"60", "1300", ausserhalb_bereich, 10000},
    Fall{"-10", "1500", ausserhalb_bereich, -300},
    // Subtract first, then multiply: -7,97 × 150 − 300 would give 4,5.
    Fall{"-7,97", "1500", ok, 4.500000000000227, "4,50000000000023"},
    // The temperature is judged first; the height only when it is a number,
    // and both before anything is computed.
    Fall{"abc", "x", temperatur_keine_zahl, std::nullopt},
    Fall{"2.5", "1500", temperatur_keine_zahl, std::nullopt},
    Fall{"5", "", geo_keine_zahl, std::nullopt},
    Fall{"5", "1E400", geo_keine_zahl, std::nullopt},
    Fall{"1,3E306", "abc", geo_keine_zahl, std::nullopt},
    // 0 m is in, 10000 m is out, and so is every level below zero.
    Fall{"2", "-0", ok, 0, "0"},
    Fall{"2", "9999,99", ok, 9999.99, "9999,99"},
    Fall{"2", "9999,999999999999", ok, 9999.999999999999, "10000"},
    Fall{"2", "-1E-300", ausserhalb_bereich, -1e-300},
    Fall{"2", "1E-5", ok, 1e-5, "0,00001"},
    Fall{"1E306", "0", ausserhalb_bereich, (1e306 - 2.0) * 150.0},
    // In the user's own notation.
    Fall{"2.5", "1,500", ok, 1575, "1575", &test::usa},
    Fall{"-7.9", "1\u2019500.3", ok, 15.299999999999955, "15.3", &test::schweiz},
    Fall{"\u22127,9", "1\u202F500,3", ok, 15.299999999999955, "15,3", &test::frankreich},
    Fall{"2,5", "1500", temperatur_keine_zahl, std::nullopt, "", &test::usa}));

}  // namespace
}  // namespace flockenlinie
