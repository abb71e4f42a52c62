// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansage.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMessageBox>
#include <QWidget>
#include <QtGlobal>

namespace flockenlinie {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void ansagen(QWidget* quelle, const QString& text) {
    QAccessibleAnnouncementEvent ereignis(quelle, text);
    QAccessible::updateAccessibility(&ereignis);
}

#else

// Before Qt 6.8 there is no announcement event. Orca speaks a notification
// that shows itself, whatever has the focus; so each text to say is given to
// an invisible child of the window that stands for a notification and tells
// screen readers that it has just appeared.
class Ansage : public QWidget {
    Q_OBJECT

public:
    explicit Ansage(QWidget* fenster) : QWidget(fenster) {
        setObjectName(QStringLiteral("ansage"));
        setFocusPolicy(Qt::NoFocus);
        hide();  // stays hidden when the window is shown
    }
    QString text;
};

namespace {

class AnsageZugang : public QAccessibleWidget {
public:
    explicit AnsageZugang(Ansage* ansage) : QAccessibleWidget(ansage, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Ansage*>(widget())->text : QAccessibleWidget::text(t);
    }
};

}  // namespace

void ansagen(QWidget* quelle, const QString& text) {
    QWidget* fenster = quelle->window();
    auto* ansage = fenster->findChild<Ansage*>(QString(), Qt::FindDirectChildrenOnly);
    if (!ansage) ansage = new Ansage(fenster);
    ansage->text = text;
    // Screen readers keep what they read of an object until told it changed:
    // the new name first, else a reader may say the last result again.
    QAccessibleEvent name(ansage, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent ereignis(ansage, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&ereignis);
}

#endif

namespace {

// A message box, as Qt tells of it (its title, then its text), and modal for
// screen readers while it is for the keyboard.
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

// By class name: Qt may ask for an object's interface before its object
// name is set, and keeps the first answer.
QAccessibleInterface* zugang(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("flockenlinie::FrmFlockenlinie")) {
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Window);
    }
    if (klasse == QLatin1String("QMessageBox")) return new MeldungZugang(static_cast<QMessageBox*>(objekt));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (klasse == QLatin1String("flockenlinie::Ansage")) return new AnsageZugang(static_cast<Ansage*>(objekt));
#endif
    return nullptr;
}

}  // namespace

void barrierefreiheit_einrichten() {
    static const bool eingerichtet = (QAccessible::installFactory(zugang), true);
    (void)eingerichtet;
}

}  // namespace flockenlinie

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "ansage.moc"
#endif
