// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// What the window says to its user, in UTF-8; every window shows these.

namespace flockenlinie::texte {

inline constexpr std::string_view fenster_titel = "Flockenlinie";
inline constexpr std::string_view meldung_titel = "Achtung!";
inline constexpr std::string_view keine_zahl = "Bitte geben Sie eine Zahl ein!";
inline constexpr std::string_view nicht_moeglich = "Berechnung nicht möglich!";
// At start on Windows, where it could not create its window (out of window
// handles or memory): titled with the program's name, as there is no window
// to tell which program it is.
inline constexpr std::string_view kein_fenster = "Das Programmfenster konnte nicht erstellt werden.";
// The result's context menu on Windows, with its access key and its shortcut;
// Qt's window takes Qt's own German for the same.
inline constexpr std::string_view kopieren = "&Kopieren\tStrg+C";

}  // namespace flockenlinie::texte
