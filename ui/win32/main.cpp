// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>
#include <objbase.h>

#include <cstdlib>

#include "frm_flockenlinie.hpp"
#include "texte.hpp"
#include "utf.hpp"

namespace {

// COM in the program's one thread, for the screen readers' services the
// window uses; the window is gone before it ends.
struct Com {
    const HRESULT ergebnis = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~Com() {
        if (SUCCEEDED(ergebnis)) CoUninitialize();
    }
};

}  // namespace

// An exception nothing catches ends the program, as the runtime's own handler
// ends it; that handler would first write the exception's type, demangled,
// to the console a windowed program does not have. Defined here, it takes
// the runtime's place in the statically linked program, and with it the
// demangler stays out: 45 to 58 KiB of the 512 KiB the program is kept to
// (tests/installer_test.sh checks both).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// The program runs while its window is open; closing it ends the program.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int anzeigen) {
    using namespace flockenlinie;
    const Com com;
    FrmFlockenlinie fenster(anzeigen, [] { PostQuitMessage(0); });
    if (!fenster.bereit()) {
        MessageBoxW(nullptr, utf16(texte::kein_fenster).c_str(), utf16(texte::fenster_titel).c_str(),
                    MB_OK | MB_ICONSTOP);
        return 1;
    }
    MSG m{};
    while (GetMessageW(&m, nullptr, 0, 0) > 0) fenster.verteilen(m);
    return static_cast<int>(m.wParam);
}
