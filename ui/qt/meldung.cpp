// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "meldung.hpp"

#include <QAccessibleWidget>
#include <QMessageBox>
#include <QtGlobal>

#include "rahmen.hpp"
#include "texte.hpp"

namespace flockenlinie {

void meldung_zeigen(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(texte::meldung_titel), text, QMessageBox::Ok, eltern);
    box.setObjectName(QStringLiteral("meldung"));
    rahmen_einrichten(&box, false);
    box.exec();
}

// Qt's own interface for a message box tells its title and text as an alert,
// but not that the box is modal (so in Qt 6.4 and 6.8): a screen reader
// would let its user wander to the window behind, which takes no key while
// the box is open. This one adds that, on the Qt versions it was tried with;
// on a newer Qt, Qt's own answers, and the window test's check of the modal
// state tells whether this can go or its bound must rise.
#if QT_VERSION < QT_VERSION_CHECK(6, 9, 0)

namespace {

class MeldungZugang : public QAccessibleWidget {
public:
    explicit MeldungZugang(QMessageBox* box) : QAccessibleWidget(box, QAccessible::AlertMessage) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.modal = widget()->isModal();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? static_cast<QMessageBox*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

}  // namespace

QAccessibleInterface* meldung_zugang(const QString& klasse, QObject* objekt) {
    return klasse == QLatin1String("QMessageBox") ? new MeldungZugang(static_cast<QMessageBox*>(objekt)) : nullptr;
}

#else

QAccessibleInterface* meldung_zugang(const QString&, QObject*) { return nullptr; }

#endif

}  // namespace flockenlinie
