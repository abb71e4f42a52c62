// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "meldung.hpp"

#include <QAccessibleWidget>
#include <QMessageBox>

#include "rahmen.hpp"
#include "texte.hpp"

namespace flockenlinie {

void meldung_zeigen(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(texte::meldung_titel), text, QMessageBox::Ok, eltern);
    box.setObjectName(QStringLiteral("meldung"));
    // Orca 51 reads of an alert its title and those of its labels that take
    // no focus; Qt's text label takes it at a click, for selecting with the
    // mouse, which works without. Ctrl+C copies the whole box all the same.
    if (auto* l = box.findChild<QWidget*>(QStringLiteral("qt_msgbox_label"))) l->setFocusPolicy(Qt::NoFocus);
    rahmen_einrichten(&box, false);
    box.exec();
}

namespace {

// A message box as screen readers must know it: a modal alert with its text,
// so that the user neither wanders to the window behind, which takes no key
// while the box is open, nor misses what it says.
bool ganz_gesagt(const QAccessibleInterface* i, const QMessageBox& box) {
    return i && i->role() == QAccessible::AlertMessage && i->state().modal && i->text(QAccessible::Value) == box.text();
}

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

QAccessibleInterface* meldung_zugang(const QString& klasse, QObject* objekt) {
    return klasse == QLatin1String("QMessageBox") ? new MeldungZugang(static_cast<QMessageBox*>(objekt)) : nullptr;
}

bool eingerichtet = false;

}  // namespace

// Asks Qt's own interface, with the program's own out of the way for it.
bool qt_sagt_meldung_ganz() {
    QAccessible::removeFactory(meldung_zugang);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("?"), QStringLiteral("?!"), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    const bool ganz = ganz_gesagt(QAccessible::queryAccessibleInterface(&box), box);
    if (eingerichtet) QAccessible::installFactory(meldung_zugang);
    return ganz;
}

// Qt's own interface for a message box (Qt 6.4 to 6.11) leaves out that the
// box is modal; where the running Qt tells all, it is left to Qt.
void meldung_zugang_einrichten() {
    eingerichtet = !qt_sagt_meldung_ganz();
    if (eingerichtet) QAccessible::installFactory(meldung_zugang);
}

}  // namespace flockenlinie
