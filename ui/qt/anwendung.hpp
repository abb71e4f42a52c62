// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zahlformat.hpp"

class QApplication;
class QLocale;

namespace flockenlinie {

// Name, version and icon of the program, what screen readers are told of its
// windows, and Qt's own texts (context menus, message box buttons) in German,
// as the rest of the window is. Once, before the first window.
void anwendung_einrichten(QApplication& app);

// The user's number format, as their locale writes numbers.
Zahlformat zahlformat_aus(const QLocale& locale);

}  // namespace flockenlinie
