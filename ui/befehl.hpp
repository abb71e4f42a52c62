// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zahlformat.hpp"

// The calculate command as every window carries it out: what one press of
// "Berechnen" decides, without any toolkit. The window reads its two boxes,
// asks befehl_berechnen, and then does what the answer says in this order:
// store the fields, show the message (if any) and wait until it is closed,
// then change the one control the answer names.

namespace flockenlinie {

// The control that changes once the message is closed.
enum class Ziel {
    keines,          // nothing changes (a level beyond the range of a double)
    txt_temperatur,  // the temperature box is emptied
    txt_geo,         // the height box is emptied
    lbl_ergebnis,    // the result shows `text` (empty after an out-of-range level)
};

struct Antwort {
    // Which window fields take this press's texts, and the level they keep.
    bool str_temperatur = false;
    bool str_geo = false;
    std::optional<double> var_ergebnis;
    // The message to show first, UTF-8; empty for none.
    std::string_view meldung;
    Ziel ziel = Ziel::keines;
    std::string text;  // what lbl_ergebnis shows, UTF-8
};

// The texts exactly as they stand in the boxes, UTF-8.
Antwort befehl_berechnen(std::string_view temperatur, std::string_view geo, const Zahlformat& format);

}  // namespace flockenlinie
