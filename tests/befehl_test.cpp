// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// One press of "Berechnen" before any window carries it out: which text is
// judged first, the level bit for bit, its range and display text, what the
// window keeps, says and changes.
#include "befehl.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

#include "druecke.hpp"
#include "formate.hpp"

namespace flockenlinie {
namespace {

using enum Ziel;
using test::keine_zahl, test::nicht_moeglich;

struct Fall {
    const char* temperatur;
    const char* geo;
    Ziel ziel;
    std::optional<double> wert;  // var_ergebnis, bit for bit
    const char* text;            // the message, or else what lbl_ergebnis shows
    const Zahlformat* format = &test::deutsch;
};

void PrintTo(const Fall& f, std::ostream* os) { *os << '"' << f.temperatur << "\" / \"" << f.geo << '"'; }

class Befehl : public testing::TestWithParam<Fall> {};

TEST_P(Befehl, Antwort) {
    const Fall& f = GetParam();
    const Antwort a = befehl_berechnen(f.temperatur, f.geo, *f.format);
    const bool meldung = f.text == std::string_view(keine_zahl) || f.text == std::string_view(nicht_moeglich);
    EXPECT_EQ(a.meldung, meldung ? f.text : "");
    EXPECT_EQ(a.ziel, f.ziel);
    EXPECT_EQ(a.text, meldung ? "" : f.text);
    const auto bits = [](std::optional<double> x) { return x ? std::optional(std::bit_cast<std::uint64_t>(*x)) : std::nullopt; };
    EXPECT_EQ(bits(a.var_ergebnis), bits(f.wert)) << a.var_ergebnis.value_or(0);
    // The window keeps the texts up to the first that is not a number.
    EXPECT_EQ(a.str_temperatur, f.ziel != txt_temperatur);
    EXPECT_EQ(a.str_geo, f.ziel != txt_temperatur && f.ziel != txt_geo);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Befehl, testing::Values(
    // The rule's own examples.
    Fall{"2", "1500", lbl_ergebnis, 1500, "1500"},
    Fall{"0", "1400", lbl_ergebnis, 1100, "1100"},
    Fall{"2,5", "1500", lbl_ergebnis, 1575, "1575"},
    Fall{"-7,9", "1500,3", lbl_ergebnis, 15.299999999999955, "15,3"},
    Fall{"-8", "1500,3", lbl_ergebnis, 0.2999999999999545, "0,299999999999955"},
    Fall{"-8", "1500", lbl_ergebnis, 0, "0"},
    Fall{"60", "1300", lbl_ergebnis, 10000, nicht_moeglich},
    Fall{"-10", "1500", lbl_ergebnis, -300, nicht_moeglich},
    // Subtract first, then multiply: -7,97 × 150 − 300 would give 4,5.
    Fall{"-7,97", "1500", lbl_ergebnis, 4.500000000000227, "4,50000000000023"},
    // The temperature is judged first; the height only when it is a number,
    // and both before anything is computed.
    Fall{"", "", txt_temperatur, std::nullopt, keine_zahl},
    Fall{"2.5", "x", txt_temperatur, std::nullopt, keine_zahl},
    Fall{"5", "", txt_geo, std::nullopt, keine_zahl},
    Fall{"1,3E306", "1E400", txt_geo, std::nullopt, keine_zahl},
    // 0 m is in, 10000 m is out, and so is every level below zero.
    Fall{"2", "-0", lbl_ergebnis, 0, "0"},
    Fall{"2", "9999,99", lbl_ergebnis, 9999.99, "9999,99"},
    Fall{"2", "9999,999999999999", lbl_ergebnis, 9999.999999999999, "10000"},
    Fall{"2", "-1E-300", lbl_ergebnis, -1e-300, nicht_moeglich},
    Fall{"2", "1E-5", lbl_ergebnis, 1e-5, "0,00001"},
    Fall{"1E306", "0", lbl_ergebnis, (1e306 - 2.0) * 150.0, nicht_moeglich},
    // Beyond the range of a double, in the temperature term or in the sum:
    // the result stays as it was.
    Fall{"1,3E306", "0", keines, std::nullopt, nicht_moeglich},
    Fall{"-1,3E306", "0", keines, std::nullopt, nicht_moeglich},
    Fall{"1E306", "1,7E308", keines, std::nullopt, nicht_moeglich},
    Fall{"-1E306", "-1,7E308", keines, std::nullopt, nicht_moeglich},
    // In the user's own notation.
    Fall{"2.5", "1,500", lbl_ergebnis, 1575, "1575", &test::usa},
    Fall{"-7.9", "1\u2019500.3", lbl_ergebnis, 15.299999999999955, "15.3", &test::schweiz},
    Fall{"\u22127,9", "1\u202F500,3", lbl_ergebnis, 15.299999999999955, "15,3", &test::frankreich},
    Fall{"2,5", "1500", txt_temperatur, std::nullopt, keine_zahl, &test::usa}));

}  // namespace
}  // namespace flockenlinie
