// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "berechnung.hpp"

#include <cmath>

#include "formel.hpp"
#include "zahl_anzeigen.hpp"
#include "zahl_lesen.hpp"

namespace flockenlinie {

namespace {

// With finite inputs the only floating-point exception the two steps can
// raise is an overflow, and that leaves an infinity behind.
double pruefen(double x) {
    if (!std::isfinite(x)) throw Rechenfehler("Die Rechnung verlässt den Zahlenbereich.");
    return x;
}

}  // namespace

Berechnungsausgang ergebnis_berechnen(std::string_view temperatur, std::string_view geo,
                                      const Zahlformat& format) {
    const auto t = zahl_lesen(temperatur, format);
    if (!t) return {Ausgangsart::temperatur_keine_zahl, 0.0, {}};
    const auto g = zahl_lesen(geo, format);
    if (!g) return {Ausgangsart::geo_keine_zahl, 0.0, {}};

    const double term = pruefen(formel::temperaturterm(*t));
    const double grenze = pruefen(formel::schneefallgrenze(*g, term));

    if (!formel::im_bereich(grenze)) return {Ausgangsart::ausserhalb_bereich, grenze, {}};
    return {Ausgangsart::ok, grenze, zahl_anzeigen(grenze, format)};
}

}  // namespace flockenlinie
