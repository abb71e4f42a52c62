#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace flockenlinie {

inline const QString meldung_titel = QStringLiteral("Achtung!");
inline const QString meldung_keine_zahl = QStringLiteral("Bitte geben Sie eine Zahl ein!");
inline const QString meldung_nicht_moeglich = QStringLiteral("Berechnung nicht möglich!");

// Shows a warning to the user and returns once it is closed. The window
// calls it through this seam so that tests can record what it would say.
using Meldungsanzeige = std::function<void(QWidget* eltern, const QString& text)>;

// The real one: a modal message box with the critical icon, a single OK
// button and the title "Achtung!".
void meldung_zeigen(QWidget* eltern, const QString& text);

}  // namespace flockenlinie
