// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "frm_flockenlinie.hpp"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int anzeigen) {
    flockenlinie::FrmFlockenlinie fenster(anzeigen);
    return fenster.ausfuehren();
}
