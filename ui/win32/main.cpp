// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "frm_flockenlinie.hpp"
#include "texte.hpp"
#include "utf.hpp"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int anzeigen) {
    using namespace flockenlinie;
    FrmFlockenlinie fenster(anzeigen);
    if (!fenster.bereit()) {
        MessageBoxW(nullptr, utf16(texte::kein_fenster).c_str(), utf16(texte::fenster_titel).c_str(),
                    MB_OK | MB_ICONSTOP);
        return 1;
    }
    return fenster.ausfuehren();
}
