// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "befehl.hpp"
#include "layout.hpp"
#include "zahlformat.hpp"

struct IAccPropServices;

namespace flockenlinie {

// The program's one window on Windows' own controls: two boxes for the
// 850 hPa temperature and height, the button that calculates, and the labels
// around them.
class FrmFlockenlinie : private Befehlsfenster {
public:
    // Creates the window and shows it as Windows asks (WinMain's nShowCmd);
    // bereit() tells whether Windows could create it. `geschlossen` runs
    // when the window is gone, closed by its user or destroyed with this.
    explicit FrmFlockenlinie(int anzeigen = SW_SHOWDEFAULT, void (*geschlossen)() = nullptr);
    ~FrmFlockenlinie();
    FrmFlockenlinie(const FrmFlockenlinie&) = delete;
    FrmFlockenlinie& operator=(const FrmFlockenlinie&) = delete;

    // Hands one message of the thread's queue on, the window's own keys and
    // the dialog manager's first; a key may press the button.
    void verteilen(MSG& m);

    bool bereit() const { return bereit_; }
    HWND fenster() const { return frm_flockenlinie; }
    using Befehlsfenster::felder;
    // How much the table's layout was enlarged so that every caption fits
    // the system's font; 1 where it fits as drawn.
    double faktor() const { return faktor_; }

    // Puts the whole result on the clipboard as Unicode text, as "Kopieren"
    // does; or tells why it did not.
    enum class Kopie {
        erledigt,
        kein_ergebnis,  // nothing to copy
        belegt,         // another window has the clipboard open
        kein_speicher,  // no memory for the copy
        abgelehnt,      // the clipboard did not take it
    };
    Kopie ergebnis_kopieren() const;

private:
    static LRESULT CALLBACK prozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l);
    LRESULT behandeln(UINT nachricht, WPARAM w, LPARAM l);
    struct Schriften {
        HFONT ueberschrift, schrift;
        void loeschen() const { DeleteObject(ueberschrift), DeleteObject(schrift); }
    };
    struct Mass {
        double faktor;
        RECT innen, aussen;  // the client area and the window's outer rectangle
    };
    bool anlegen();
    HWND element(layout::Name n) const;
    static Schriften schriften(UINT dpi);
    Mass messen(UINT dpi, const Schriften& f) const;
    void anordnen(UINT dpi, const RECT* vorschlag);
    void format_lesen();
    void ergebnis_einpassen();
    void ergebnis_menue(LPARAM wo);
    bool kopieren() const;
    TOOLINFOW werkzeug_ergebnis();
    int innenrand() const;  // between the result's edge and its text

    void melden(std::string_view text) override;
    void leeren(Ziel box) override;
    void ergebnis_zeigen(const std::string& text) override;

    HWND frm_flockenlinie = nullptr;
    HWND lbl_oben = nullptr;
    HWND txt_temperatur = nullptr;
    HWND txt_geo = nullptr;
    HWND cmd_berechnen = nullptr;
    HWND lbl_ergebnis = nullptr;
    HWND tipp = nullptr;  // the whole result, where it shows shortened

    void (*const geschlossen_)();
    Zahlformat format_;
    std::wstring ergebnis_;  // whole, the label's text also where it is drawn shortened
    std::wstring gezeigt_;   // as drawn
    std::wstring tipptext_;
    UINT dpi_ = 96;
    double faktor_ = 1.0;
    HFONT ueberschrift = nullptr;
    HFONT schrift = nullptr;
    IAccPropServices* vorleser = nullptr;  // tells screen readers the result is live
    bool bereit_ = false;
};

// The window-local id of a row of the layout table.
inline int kennung(const layout::Steuerelement& s) { return 100 + layout::name_von(s); }

}  // namespace flockenlinie
