// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace flockenlinie {

// Shows a warning to the user and returns once it is closed. The window
// calls it through this seam so that tests can record what it would say.
using Meldungsanzeige = std::function<void(QWidget* eltern, const QString& text)>;

// The real one: a modal message box with the critical icon, a single OK
// button and the title "Achtung!".
void meldung_zeigen(QWidget* eltern, const QString& text);

// What screen readers are told about a message box, for Qt's accessibility
// (QAccessible::installFactory): a modal alert with its text.
QAccessibleInterface* meldung_zugang(const QString& klasse, QObject* objekt);

}  // namespace flockenlinie
