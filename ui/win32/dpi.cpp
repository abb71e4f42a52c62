// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dpi.hpp"

namespace flockenlinie::dpi {

namespace {

// A function of user32 that Windows 7 and 8 do not have; nullptr there.
template <typename F>
F falls_vorhanden(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT von(HWND fenster) {
    static const auto fuer_fenster = falls_vorhanden<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (fuer_fenster) return fuer_fenster(fenster);
    HDC dc = GetDC(fenster);
    const UINT d = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(fenster, dc);
    return d;
}

NONCLIENTMETRICSW metriken(UINT dpi) {
    static const auto fuer_dpi = falls_vorhanden<BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT)>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    if (fuer_dpi) {
        fuer_dpi(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0, dpi);
    } else {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    }
    return m;
}

int systemmass(int index, UINT dpi) {
    static const auto fuer_dpi = falls_vorhanden<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return fuer_dpi ? fuer_dpi(index, dpi) : GetSystemMetrics(index);
}

RECT rahmen_um(RECT innen, DWORD stil, DWORD exstil, UINT dpi) {
    static const auto fuer_dpi = falls_vorhanden<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (fuer_dpi) {
        fuer_dpi(&innen, stil, FALSE, exstil, dpi);
    } else {
        AdjustWindowRectEx(&innen, stil, FALSE, exstil);
    }
    return innen;
}

}  // namespace flockenlinie::dpi
