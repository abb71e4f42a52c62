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

}  // namespace flockenlinie
