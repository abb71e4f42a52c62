// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as both texts and as both separators. The calculation must
// never crash nor hit undefined behaviour (the build adds the sanitizers),
// must judge each text by the one reading rule, and must answer with a finite
// level, its range and display text, or with Rechenfehler where there is none.
// Each text lies in a heap block of exactly its own size, with no terminating
// zero behind it, so that AddressSanitizer sees a read past its end.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "berechnung.hpp"
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

// A copy of the bytes that ends where its allocation ends.
struct Block {
    std::unique_ptr<char[]> bytes;
    std::string_view text;
    explicit Block(const std::string& s) : bytes(new char[s.size()]), text(bytes.get(), s.size()) {
        s.copy(bytes.get(), s.size());
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider fdp(daten, groesse);
    const Zahlformat format{fdp.ConsumeRandomLengthString(4), fdp.ConsumeRandomLengthString(4)};
    const Block temperatur_block(fdp.ConsumeRandomLengthString());
    const Block geo_block(fdp.ConsumeRemainingBytesAsString());
    const std::string_view temperatur = temperatur_block.text, geo = geo_block.text;

    const auto t = zahl_lesen(temperatur, format);
    const auto g = zahl_lesen(geo, format);
    pruefe((!t || std::isfinite(*t)) && (!g || std::isfinite(*g)), "gelesene Zahlen sind endlich");
    Berechnungsausgang a;
    try {
        a = ergebnis_berechnen(temperatur, geo, format);
    } catch (const Rechenfehler&) {
        pruefe(t && g, "Rechenfehler nur mit zwei Zahlen");
        return 0;
    }
    if (!t || !g) {
        pruefe(a.art == (!t ? Ausgangsart::temperatur_keine_zahl : Ausgangsart::geo_keine_zahl), "Temperatur zuerst, dann die Höhe");
        return 0;
    }
    const bool drin = a.wert >= 0 && a.wert < 10000;
    pruefe(std::isfinite(a.wert) && a.art == (drin ? Ausgangsart::ok : Ausgangsart::ausserhalb_bereich), "Bereich");
    pruefe(a.anzeige == (drin ? zahl_anzeigen(a.wert, format) : std::string()), "Anzeige nur für ok");
    return 0;
}
