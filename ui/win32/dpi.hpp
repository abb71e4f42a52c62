// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

// The screen's pixel density as the window sees it. Windows 10 measures each
// monitor; older Windows has one density for the whole session, and these
// fall back to it.

namespace flockenlinie::dpi {

UINT von(HWND fenster);

// The system's fonts and sizes at `dpi`.
NONCLIENTMETRICSW metriken(UINT dpi);
int systemmass(int index, UINT dpi);

// The outer rectangle of a window whose client area is `innen`.
RECT rahmen_um(RECT innen, DWORD stil, DWORD exstil, UINT dpi);

}  // namespace flockenlinie::dpi
