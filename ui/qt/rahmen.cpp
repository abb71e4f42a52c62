// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rahmen.hpp"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace flockenlinie {

namespace {

// Drawn and hit-tested by the style, as the style draws a title bar inside a
// window; its buttons act on release over the button pressed.
class Titelleiste : public QWidget {
public:
    Titelleiste(QWidget* fenster, bool minimieren) : QWidget(fenster), minimieren_(minimieren) {
        setObjectName(QStringLiteral("titelleiste"));
        fenster->installEventFilter(this);  // its width and activation
    }

    int hoehe() const {
        const QStyleOptionTitleBar o = option();
        return style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        const QStyleOptionTitleBar o = option();
        style()->drawComplexControl(QStyle::CC_TitleBar, &o, &maler, this);
    }
    void mousePressEvent(QMouseEvent* e) override {
        gedrueckt_ = knopf(e->position().toPoint());
        von_ = e->position().toPoint();
        update();
    }
    // Dragging the title moves the window, once the mouse moved as far as a
    // drag begins; a click does nothing.
    void mouseMoveEvent(QMouseEvent* e) override {
        if (gedrueckt_ == QStyle::SC_None && e->buttons() == Qt::LeftButton &&
            (e->position().toPoint() - von_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
            window()->windowHandle()->startSystemMove();
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const QStyle::SubControl war = std::exchange(gedrueckt_, QStyle::SC_None);
        update();
        if (war == QStyle::SC_None || knopf(e->position().toPoint()) != war) return;
        if (war == QStyle::SC_TitleBarMinButton) window()->showMinimized();
        if (war == QStyle::SC_TitleBarCloseButton) window()->close();
    }
    bool eventFilter(QObject* ziel, QEvent* e) override {
        if (e->type() == QEvent::Resize) setGeometry(0, 0, window()->width(), height());
        if (e->type() == QEvent::ActivationChange) update();
        return QWidget::eventFilter(ziel, e);
    }

private:
    QStyleOptionTitleBar option() const {
        QStyleOptionTitleBar o;
        o.initFrom(this);
        o.text = window()->windowTitle();
        o.icon = window()->windowIcon();
        o.titleBarFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        o.titleBarFlags.setFlag(Qt::WindowMinimizeButtonHint, minimieren_);
        o.state.setFlag(QStyle::State_Active, window()->isActiveWindow());
        o.titleBarState = window()->isActiveWindow() ? QStyle::State_Active : QStyle::State_None;
        o.subControls = QStyle::SC_All;
        o.activeSubControls = gedrueckt_;
        o.state.setFlag(QStyle::State_Sunken, gedrueckt_ != QStyle::SC_None);
        return o;
    }
    // The button under `punkt`, or none.
    QStyle::SubControl knopf(QPoint punkt) const {
        const QStyleOptionTitleBar o = option();
        const auto sc = style()->hitTestComplexControl(QStyle::CC_TitleBar, &o, punkt, this);
        return sc == QStyle::SC_TitleBarCloseButton || (minimieren_ && sc == QStyle::SC_TitleBarMinButton)
                   ? sc : QStyle::SC_None;
    }

    const bool minimieren_;
    QStyle::SubControl gedrueckt_ = QStyle::SC_None;
    QPoint von_;  // where the mouse was pressed
};

// Qt puts its frame on as it shows the window, where the desktop draws none,
// and the desktop answers with the window's size soon after; where the
// desktop may draw frames, Qt decides once it has answered. So as soon as
// the window is up (the widget's ShowToParent comes right after, before a
// single event from the desktop is read), or else at the first event that
// finds Qt's frame on, the frame is taken away and the window grows by a
// title bar of its own above what it holds: the first size the desktop
// learns is the window's own, as GNOME's compositor insists.
class Rahmenwaechter : public QObject {
public:
    Rahmenwaechter(QWidget* fenster, bool minimieren) : QObject(fenster), fenster_(fenster), minimieren_(minimieren) {}

protected:
    // The widget's window is watched from the widget's first event that finds
    // it made (Qt tells the widget its window id before showing it).
    bool eventFilter(QObject*, QEvent*) override {
        if (QWindow* w = fenster_->windowHandle(); w && !beobachtet_) {
            w->installEventFilter(this);
            beobachtet_ = true;
        }
        umstellen();
        return false;
    }

private:
    void umstellen() {
        QWindow* const w = fenster_->windowHandle();
        if (!w || w->frameMargins().isNull()) return;
        w->removeEventFilter(this);
        fenster_->removeEventFilter(this);
        const Qt::WindowFlags ohne = fenster_->windowFlags() | Qt::FramelessWindowHint;
        fenster_->overrideWindowFlags(ohne);
        w->setFlags(ohne);
        auto* leiste = new Titelleiste(fenster_, minimieren_);
        const int h = leiste->hoehe();
        for (QWidget* k : fenster_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (k != leiste && !k->isWindow()) k->move(k->x(), k->y() + h);
        }
        fenster_->setContentsMargins(fenster_->contentsMargins() + QMargins(0, h, 0, 0));  // for a layout
        fenster_->setFixedSize(fenster_->width(), fenster_->height() + h);
        leiste->setGeometry(0, 0, fenster_->width(), h);
        leiste->show();
    }

private:
    QWidget* const fenster_;
    const bool minimieren_;
    bool beobachtet_ = false;
};

}  // namespace

void rahmen_einrichten(QWidget* fenster, bool minimieren) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    // Not made early with winId(): for a message box that would turn every
    // control of the window behind into a native window of its own, a
    // subsurface each, which crashes weston 16.
    fenster->installEventFilter(new Rahmenwaechter(fenster, minimieren));
}

}  // namespace flockenlinie
