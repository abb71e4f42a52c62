// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QWidget;

namespace flockenlinie {

// Says a text to a screen reader at once, wherever the focus is, and again
// each time, also when the text is the same as before. The focus stays where
// it was. `quelle` is the control the text is about.
void ansagen(QWidget* quelle, const QString& text);

// What an accessibility event says as ansagen() says it, else nothing: for
// listening as a screen reader does.
QString angesagt(QAccessibleEvent* ereignis);

// What screen readers are told about the announcer, for Qt's accessibility
// (QAccessible::installFactory): a notification.
QAccessibleInterface* ansage_zugang(const QString& klasse, QObject* objekt);

}  // namespace flockenlinie
