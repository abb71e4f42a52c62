#include "meldung.hpp"

#include <QMessageBox>

namespace flockenlinie {

void meldung_zeigen(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Critical, meldung_titel, text, QMessageBox::Ok, eltern);
    box.setObjectName(QStringLiteral("meldung"));
    box.exec();
}

}  // namespace flockenlinie
