// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

namespace flockenlinie {

// Name, version and icon of the program, and Qt's own texts (context menus,
// message box buttons) in German, as the rest of the window is.
void anwendung_einrichten(QApplication& app);

}  // namespace flockenlinie
