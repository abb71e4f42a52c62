// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace flockenlinie {

// The frame of a fixed-size window or message box on a Wayland desktop that
// leaves frames to its programs (GNOME, weston): there Qt 6.4 would draw its
// own, whose maximize button asks for a size the window cannot take, and
// such a desktop ends the program for it. Instead the window gets a title
// bar of its own at its top: icon, title, minimize (where `minimieren`) and
// close; pressing the title moves the window. Where the desktop draws the
// frame (X11, KDE Plasma's Wayland) nothing changes. Call before the window
// is first shown.
void rahmen_einrichten(QWidget* fenster, bool minimieren);

}  // namespace flockenlinie
