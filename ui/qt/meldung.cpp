// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "meldung.hpp"

#include <QMessageBox>

#include "rahmen.hpp"
#include "texte.hpp"

namespace flockenlinie {

void meldung_zeigen(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(texte::meldung_titel), text, QMessageBox::Ok, eltern);
    box.setObjectName(QStringLiteral("meldung"));
    rahmen_einrichten(&box, false);
    box.exec();
}

}  // namespace flockenlinie
