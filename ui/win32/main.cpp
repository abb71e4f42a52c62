#include <windows.h>

#include "frm_flockenlinie.hpp"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int anzeigen) {
    flockenlinie::FrmFlockenlinie fenster(anzeigen);
    return fenster.ausfuehren();
}
