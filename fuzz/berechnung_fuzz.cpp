// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// Arbitrary bytes as both texts and as both separators. The calculation must
// never crash nor hit undefined behaviour (the build adds the sanitizers),
// must judge each text by the one reading rule, and must answer with a finite
// level, its range and a display text that reads back as the level rounded
// to 15 digits, or with Rechenfehler where there is none.
// Each text lies in a heap block of exactly its own size, with no terminating
// zero behind it, so that AddressSanitizer sees a read past its end.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "berechnung.hpp"
#include "zahl_lesen.hpp"

using namespace flockenlinie;

namespace {

void pruefe(bool bedingung, const char* was) {
    if (!bedingung) {
        std::fprintf(stderr, "verletzt: %s\n", was);
        std::abort();
    }
}

// Whether a display text shows the level as printf rounds it to 15
// significant digits, read back with the format's decimal separator: the
// integer digits, then the separator and the fraction's digits, without
// trailing zeros, or nothing.
bool zeigt(std::string_view anzeige, double wert, std::string_view trenner) {
    std::array<char, 64> gedruckt;
    std::snprintf(gedruckt.data(), gedruckt.size(), "%.15g", wert);
    const double gerundet = std::strtod(gedruckt.data(), nullptr);
    const std::string ganz = std::to_string(static_cast<long long>(gerundet));
    if (!anzeige.starts_with(ganz)) return false;
    std::string_view bruch = anzeige.substr(ganz.size());
    if (!bruch.empty()) {
        if (!bruch.starts_with(trenner)) return false;
        bruch.remove_prefix(trenner.size());
        if (bruch.empty() || bruch.back() == '0' || bruch.find_first_not_of("0123456789") != bruch.npos) return false;
    }
    return std::strtod((ganz + "." + std::string(bruch)).c_str(), nullptr) == gerundet;
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
    pruefe(drin ? zeigt(a.anzeige, a.wert, format.dezimaltrenner) : a.anzeige.empty(), "Anzeige der gerundeten Grenze, nur für ok");
    return 0;
}
