// What one press decides, before any window carries it out.
#include "befehl.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "druecke.hpp"
#include "formate.hpp"

namespace flockenlinie {
namespace {

struct Fall {
    const char* temperatur;
    const char* geo;
    bool str_temperatur, str_geo;
    std::optional<double> var_ergebnis;
    const char* meldung;
    Ziel ziel;
    const char* text;
};

using test::keine_zahl;
using test::nicht_moeglich;

class Befehl : public testing::TestWithParam<Fall> {};

TEST_P(Befehl, Antwort) {
    const Fall& f = GetParam();
    const Antwort a = befehl_berechnen(f.temperatur, f.geo, test::deutsch);
    EXPECT_EQ(a.str_temperatur, f.str_temperatur);
    EXPECT_EQ(a.str_geo, f.str_geo);
    EXPECT_EQ(a.var_ergebnis, f.var_ergebnis);
    EXPECT_EQ(a.meldung, f.meldung);
    EXPECT_EQ(a.ziel, f.ziel);
    EXPECT_EQ(a.text, f.text);
}

INSTANTIATE_TEST_SUITE_P(Ausgaenge, Befehl, testing::Values(
    Fall{"", "", false, false, std::nullopt, keine_zahl, Ziel::txt_temperatur, ""},
    Fall{"5", "x", true, false, std::nullopt, keine_zahl, Ziel::txt_geo, ""},
    Fall{"60", "1300", true, true, 10000.0, nicht_moeglich, Ziel::lbl_ergebnis, ""},
    Fall{"-8", "1500", true, true, 0.0, "", Ziel::lbl_ergebnis, "0"},
    Fall{"2,5", "1500", true, true, 1575.0, "", Ziel::lbl_ergebnis, "1575"},
    // Beyond the range of a double, in the temperature term or in the sum.
    Fall{"1,3E306", "0", true, true, std::nullopt, nicht_moeglich, Ziel::keines, ""},
    Fall{"-1,3E306", "0", true, true, std::nullopt, nicht_moeglich, Ziel::keines, ""},
    Fall{"1E306", "1,7E308", true, true, std::nullopt, nicht_moeglich, Ziel::keines, ""},
    Fall{"-1E306", "-1,7E308", true, true, std::nullopt, nicht_moeglich, Ziel::keines, ""}));

}  // namespace
}  // namespace flockenlinie
