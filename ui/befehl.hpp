// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zahlformat.hpp"

// The calculate command as every window carries it out: what one press of
// "Berechnen" decides, without any toolkit, and the order in which the
// window then shows it.

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

// What the last press of the button kept: the last texts that were numbers
// (UTF-8), and the last level computed (none until the first one).
struct Felder {
    std::string str_temperatur;
    std::string str_geo;
    std::optional<double> var_ergebnis;
};

// A window as the command works on it: each platform's window implements
// these with its toolkit's calls.
class Befehlsfenster {
public:
    // One press of "Berechnen" on the boxes' texts: the fields take what the
    // answer allows, then its message is shown and closed, then the one
    // control it names changes.
    void berechnen(std::string_view temperatur, std::string_view geo, const Zahlformat& format);

    const Felder& felder() const { return felder_; }

protected:
    ~Befehlsfenster() = default;
    virtual void melden(std::string_view text) = 0;  // returns once the user closed the message
    virtual void leeren(Ziel box) = 0;               // txt_temperatur or txt_geo
    virtual void ergebnis_zeigen(const std::string& text) = 0;

private:
    Felder felder_;
};

}  // namespace flockenlinie
