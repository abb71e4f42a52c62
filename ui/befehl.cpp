// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "befehl.hpp"

#include "berechnung.hpp"
#include "texte.hpp"

namespace flockenlinie {

Antwort befehl_berechnen(std::string_view temperatur, std::string_view geo, const Zahlformat& format) {
    Antwort a;
    Berechnungsausgang ausgang;
    try {
        ausgang = ergebnis_berechnen(temperatur, geo, format);
    } catch (const Rechenfehler&) {
        // Beyond the range of a double there is no level: the texts are kept,
        // the result stays as it was, and the user can correct the inputs.
        a.str_temperatur = a.str_geo = true;
        a.meldung = texte::nicht_moeglich;
        return a;
    }

    switch (ausgang.art) {
        case Ausgangsart::temperatur_keine_zahl:
            a.meldung = texte::keine_zahl;
            a.ziel = Ziel::txt_temperatur;
            break;
        case Ausgangsart::geo_keine_zahl:
            a.str_temperatur = true;
            a.meldung = texte::keine_zahl;
            a.ziel = Ziel::txt_geo;
            break;
        case Ausgangsart::ausserhalb_bereich:
            a.str_temperatur = a.str_geo = true;
            a.var_ergebnis = ausgang.wert;
            a.meldung = texte::nicht_moeglich;
            a.ziel = Ziel::lbl_ergebnis;  // emptied
            break;
        case Ausgangsart::ok:
            a.str_temperatur = a.str_geo = true;
            a.var_ergebnis = ausgang.wert;
            a.ziel = Ziel::lbl_ergebnis;
            a.text = std::move(ausgang.anzeige);
            break;
    }
    return a;
}

void Befehlsfenster::berechnen(std::string_view temperatur, std::string_view geo, const Zahlformat& format) {
    const Antwort antwort = befehl_berechnen(temperatur, geo, format);
    if (antwort.str_temperatur) felder_.str_temperatur = temperatur;
    if (antwort.str_geo) felder_.str_geo = geo;
    if (antwort.var_ergebnis) felder_.var_ergebnis = antwort.var_ergebnis;
    if (!antwort.meldung.empty()) melden(antwort.meldung);
    switch (antwort.ziel) {
        case Ziel::keines: break;
        case Ziel::txt_temperatur:
        case Ziel::txt_geo: leeren(antwort.ziel); break;
        case Ziel::lbl_ergebnis: ergebnis_zeigen(antwort.text); break;
    }
}

}  // namespace flockenlinie
