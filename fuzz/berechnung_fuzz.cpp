// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as both texts and as both separators. The calculation must
// never crash nor hit undefined behaviour (the build adds the sanitizers),
// must judge each text by the one reading rule, and must answer with exactly
// the level IEEE doubles give, or with Rechenfehler where there is none.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "berechnung.hpp"
#include "formel.hpp"
#include "zahl_anzeigen.hpp"
#include "zahl_lesen.hpp"

using namespace flockenlinie;

namespace {

void pruefe(bool bedingung, const char* was) {
    if (!bedingung) {
        std::fprintf(stderr, "verletzt: %s\n", was);
        std::abort();
    }
}

bool gleich(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider fdp(daten, groesse);
    const Zahlformat format{fdp.ConsumeRandomLengthString(4), fdp.ConsumeRandomLengthString(4)};
    const std::string temperatur = fdp.ConsumeRandomLengthString();
    const std::string geo = fdp.ConsumeRemainingBytesAsString();

    const auto t = zahl_lesen(temperatur, format);
    const auto g = zahl_lesen(geo, format);
    pruefe((!t || std::isfinite(*t)) && (!g || std::isfinite(*g)), "gelesene Zahlen sind endlich");

    double term = 0, grenze = 0;
    bool ueberlauf = false;
    if (t && g) {
        term = formel::temperaturterm(*t);
        grenze = *g + term;
        ueberlauf = !std::isfinite(term) || !std::isfinite(grenze);
    }

    Berechnungsausgang a;
    try {
        a = ergebnis_berechnen(temperatur, geo, format);
    } catch (const Rechenfehler&) {
        pruefe(t && g && ueberlauf, "Rechenfehler nur bei Überlauf");
        return 0;
    }
    pruefe(!ueberlauf, "Überlauf endet im Rechenfehler");

    if (!t) {
        pruefe(a.art == Ausgangsart::temperatur_keine_zahl, "Temperatur zuerst");
    } else if (!g) {
        pruefe(a.art == Ausgangsart::geo_keine_zahl, "dann die Höhe");
    } else {
        pruefe(gleich(a.wert, grenze), "Grenze bitgenau");
        const bool drin = grenze >= 0 && grenze < 10000;
        pruefe(a.art == (drin ? Ausgangsart::ok : Ausgangsart::ausserhalb_bereich), "Bereich");
        pruefe(a.anzeige == (drin ? zahl_anzeigen(grenze, format) : std::string()), "Anzeige nur für ok");
    }
    return 0;
}
