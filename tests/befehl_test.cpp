// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// One press of "Berechnen" before any window carries it out: the level bit
// for bit, what the window keeps, says and changes.
#include "befehl.hpp"

#include <gtest/gtest.h>

#include "druecke.hpp"

namespace flockenlinie {
namespace {

TEST(Befehl, Antworten) {
    for (const test::Druck& d : test::druecke) {
        SCOPED_TRACE(std::string(d.temperatur) + " | " + d.geo);
        const Antwort a = befehl_berechnen(d.temperatur, d.geo, *d.format);
        EXPECT_EQ(a.meldung, d.meldung() ? d.text : "");
        EXPECT_EQ(a.ziel, d.ziel);
        EXPECT_EQ(a.text, d.meldung() ? "" : d.text);
        EXPECT_EQ(test::bits(a.var_ergebnis), test::bits(d.wert)) << a.var_ergebnis.value_or(0);
        // The window keeps the texts up to the first that is not a number.
        EXPECT_EQ(a.str_temperatur, d.ziel != Ziel::txt_temperatur);
        EXPECT_EQ(a.str_geo, d.ziel != Ziel::txt_temperatur && d.ziel != Ziel::txt_geo);
    }
}

}  // namespace
}  // namespace flockenlinie
