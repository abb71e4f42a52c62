// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace flockenlinie {

// The frame of a fixed-size window or message box on a Wayland desktop that
// leaves frames to its programs (GNOME, weston). There Qt draws its own,
// with a maximize button even for a window that cannot change its size: on
// Qt 6.4 pressing it asks for a size the window cannot take, and such a
// desktop ends the program for it; on Qt 6.8 it stretches the fixed window
// over the whole screen. Instead the window gets a title bar of its own at
// its top: icon, title, minimize (where `minimieren`) and close; pressing
// the title moves the window. Where the desktop draws the frame (X11, KDE
// Plasma's Wayland) nothing changes. This can go once Qt's own frame leaves
// out the maximize button of a fixed-size window. Call before the window is
// first shown.
void rahmen_einrichten(QWidget* fenster, bool minimieren);

}  // namespace flockenlinie
