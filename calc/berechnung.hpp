// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "zahlformat.hpp"

namespace flockenlinie {

enum class Ausgangsart {
    ok,                     // level in range: wert and anzeige are set
    temperatur_keine_zahl,  // the temperature text is not a number
    geo_keine_zahl,         // the temperature is a number, the height text is not
    ausserhalb_bereich,     // level computed (wert) but below 0 m or from 10000 m up
};

// The outcome of one calculation.
struct Berechnungsausgang {
    Ausgangsart art = Ausgangsart::temperatur_keine_zahl;
    double wert = 0.0;    // the level in metres, for ok and ausserhalb_bereich
    std::string anzeige;  // the level as the window shows it, UTF-8, for ok only
};

// The computation left the range of a double: a temperature whose 150-fold
// is beyond it (from about 1,2E306 on, either sign), or a height near
// 1,8E308 that the term pushes over. There is no level to show for them.
class Rechenfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Judges the temperature text, then the height text, both exactly as typed,
// computes the snowfall level and tests its range. Keeps no state.
// Throws Rechenfehler on overflow; never returns an infinite or NaN level.
Berechnungsausgang ergebnis_berechnen(std::string_view temperatur, std::string_view geo,
                                      const Zahlformat& format);

}  // namespace flockenlinie
