// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansage.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace flockenlinie {

// Qt has an announcement event from 6.8 on; the program uses it wherever the
// Qt it is built with offers it.
#if __has_include(<QAccessibleAnnouncementEvent>)
#define FLOCKENLINIE_QT_SAGT_AN 1

void ansagen(QWidget* quelle, const QString& text) {
    QAccessibleAnnouncementEvent ereignis(quelle, text);
    QAccessible::updateAccessibility(&ereignis);
}

QString angesagt(QAccessibleEvent* ereignis) {
    return ereignis->type() == QAccessible::Announcement
               ? static_cast<QAccessibleAnnouncementEvent*>(ereignis)->message() : QString();
}

QAccessibleInterface* ansage_zugang(const QString&, QObject*) { return nullptr; }

#else

// Without the announcement event (Qt 6.4, Debian 12's). Orca speaks a
// notification that shows itself, whatever has the focus; so each text to say
// is given to an invisible child of the window that stands for a notification
// and tells screen readers that it has just appeared.
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

QString angesagt(QAccessibleEvent* ereignis) {
    auto* ansage = qobject_cast<Ansage*>(ereignis->object());
    return ansage && ereignis->type() == QAccessible::ObjectShow ? ansage->text : QString();
}

QAccessibleInterface* ansage_zugang(const QString& klasse, QObject* objekt) {
    return klasse == QLatin1String("flockenlinie::Ansage") ? new AnsageZugang(static_cast<Ansage*>(objekt)) : nullptr;
}

#endif

}  // namespace flockenlinie

#ifndef FLOCKENLINIE_QT_SAGT_AN
#include "ansage.moc"
#endif
