// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace flockenlinie {

// Shows a warning to the user and returns once it is closed. The window
// calls it through this seam so that tests can record what it would say.
using Meldungsanzeige = std::function<void(QWidget* eltern, const QString& text)>;

// The real one: a modal message box with the critical icon, a single OK
// button and the title "Achtung!".
void meldung_zeigen(QWidget* eltern, const QString& text);

// Whether the running Qt tells screen readers a message box whole by itself:
// a modal alert with its text.
bool qt_sagt_meldung_ganz();

// Where it does not, the program's own account of its message boxes. Once,
// before the first box.
void meldung_zugang_einrichten();

}  // namespace flockenlinie
