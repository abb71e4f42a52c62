// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt window driven as a user drives it: the presses and keys every
// window answers alike, its locales, copying the result, its layout at
// several fonts and what a screen reader is told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ansage.hpp"
#include "anwendung.hpp"
#include "fenster_pruefungen.hpp"
#include "frm_flockenlinie.hpp"

namespace flockenlinie {
namespace {

using test::Taste;

// A menu entry as the user reads it: no access key marks, no shortcut.
QString menuetext(const QAction* a) { return a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0); }

// What the program says to screen readers, heard where Qt hands it to one.
// Qt's offscreen platform hands on none in Qt 6.4 (whose announcer is heard
// in the real-window test), every event from Qt 6.8 on.
std::vector<QString> gehoert;
bool qt_reicht_weiter = false;

class QtBedienung : public test::Bedienung {
public:
    explicit QtBedienung(const Zahlformat& format = test::deutsch)
        : fenster(format, [this](QWidget* eltern, const QString& t) { melden(eltern, t); }) {
        QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            qt_reicht_weiter = true;
            if (const QString t = angesagt(e); !t.isEmpty()) gehoert.push_back(t);
        });
        fenster.show();
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
    template <class T = QWidget> T* w(const char* name) { return fenster.findChild<T*>(name); }

    // Each character arrives as text, as from a keyboard or an input method.
    void tippen(const char* name, const std::string& utf8) override {
        auto* b = w<QLineEdit>(name);
        b->setFocus();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        for (const QChar c : QString::fromStdString(utf8)) QTest::sendKeyEvent(QTest::Click, b, Qt::Key_unknown, c, Qt::NoModifier);
    }
    // Alt+E goes through the window as the keyboard sends it; the button
    // shows itself pressed for a moment before it clicks.
    void taste(Taste t) override {
        if (t == Taste::alt_e) {
            QSignalSpy gedrueckt(w<QPushButton>("cmd_berechnen"), &QPushButton::clicked);
            QTest::keyClick(fenster.windowHandle(), Qt::Key_E, Qt::AltModifier);
            EXPECT_TRUE(gedrueckt.wait(2000));
            return;
        }
        const Qt::Key tasten[] = {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape};
        QTest::keyClick(QApplication::focusWidget(), tasten[static_cast<int>(t)],
                        t == Taste::umschalt_tab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    std::string text(const char* name) override { return w(name)->property("text").toString().toStdString(); }
    std::string tipp(const char* name) override { return w(name)->toolTip().toStdString(); }
    std::string fokus() override { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : ""; }
    test::Rechteck lage(const char* name) override {
        return {w(name)->x(), w(name)->y(), w(name)->x() + w(name)->width(), w(name)->y() + w(name)->height()};
    }
    test::Rechteck innen() override { return {0, 0, fenster.width(), fenster.height()}; }
    // What a text needs: the widget's own size hint for labels and the button.
    bool passt(const char* name) override { return w(name)->sizeHint().boundedTo(w(name)->size()) == w(name)->sizeHint(); }
    // A new one says the result shown, whole, with its caption.
    std::optional<int> ansagen() override {
        if (!qt_reicht_weiter) return std::nullopt;
        EXPECT_TRUE(gehoert.size() == bis || gehoert.back() == "Schneefall m: " + w("lbl_ergebnis")->accessibleName());
        return static_cast<int>(bis = gehoert.size());
    }

    // The real message box, read and closed as it comes up.
    void melden(QWidget* eltern, const QString& t) {
        EXPECT_EQ(eltern, &fenster);
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            EXPECT_EQ(box->button(QMessageBox::Ok)->text(), "OK");
            meldungen.emplace_back(box->windowTitle().toStdString(), box->text().toStdString(),
                                   box->isModal() && QAccessible::queryAccessibleInterface(box)->state().modal &&
                                       box->findChild<QLabel*>("qt_msgbox_label", Qt::FindDirectChildrenOnly) &&
                                       box->findChild<QLabel*>("qt_msgbox_label")->focusPolicy() == Qt::NoFocus &&
                                       box->icon() == QMessageBox::Critical && box->standardButtons() == QMessageBox::Ok,
                                   drei());
            box->button(QMessageBox::Ok)->click();
        });
        meldung_zeigen(eltern, t);
        fenster.activateWindow();  // as a desktop does once the box is closed
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }

    FrmFlockenlinie fenster;
    std::size_t bis = 0;  // heard until the last look
};

// The presses, the keys, the tab chain and a long result as every window
// answers them; a screen reader hears the whole result, labelled by its
// caption, and names each box by its caption.
TEST(Fenster, WieJedesFenster) {
    test::tasten_pruefen([] { return std::make_unique<QtBedienung>(); });
    QtBedienung b;
    test::druecke_pruefen(b);
    test::langes_ergebnis_pruefen(b);
    const auto vorgelesen = [&](const char* name, QAccessible::Text t = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(b.w(name))->text(t).toStdString();
    };
    EXPECT_EQ(vorgelesen("lbl_ergebnis"), "1575");
    b.rechnen("2", "1E-40");
    EXPECT_EQ(vorgelesen("lbl_ergebnis"), "0," + std::string(39, '0') + "1");
    const auto beschriftung = QAccessible::queryAccessibleInterface(b.w("lbl_ergebnis"))->relations(QAccessible::Label);
    EXPECT_TRUE(beschriftung.size() == 1 && beschriftung[0].first->text(QAccessible::Name) == "Schneefall m:");
    b.rechnen("-10", "1500");
    EXPECT_EQ(vorgelesen("lbl_ergebnis"), "Schneefall m:") << "no number left; read as an empty box is, by its caption";
    EXPECT_EQ(vorgelesen("txt_temperatur") + "|" + vorgelesen("txt_geo"), "Temp. auf 850 hPa °C:|Geopot. 850 hPa m:");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&b.fenster)->role(), QAccessible::Window);
    EXPECT_FALSE(qt_sagt_meldung_ganz()) << "Qt's own interface tells a message box whole: meldung.cpp's can go";
}

// Numbers as the user's locale writes them; with no locale set, as the
// window's language writes them. The boxes take pasted megabytes.
TEST(Fenster, GebietsschemataUndLangeTexte) {
    for (const auto& s : test::schreibweisen) {
        QtBedienung b(zahlformat_aus(QLocale(QString::fromLatin1(s.gebiet))));
        test::schreibweise_pruefen(b, s);
    }
    QtBedienung b(zahlformat_aus(QLocale::c()));
    test::schreibweise_pruefen(b, {"C", test::deutsch, "2,5", "1.500", "1575"});
    b.w<QLineEdit>("txt_temperatur")->insert(QString(100'000, QLatin1Char('1')));
    EXPECT_GT(b.text("txt_temperatur").size(), 100'000u);
}

// The mouse selects the result and copies it, with Ctrl+C wherever the focus
// is or by its German context menu; the result never takes the focus.
TEST(Fenster, ErgebnisLaesstSichKopieren) {
    QtBedienung b;
    b.rechnen("2,5", "1500");
    auto* ergebnis = b.w<QLabel>("lbl_ergebnis");
    for (const bool mit_menue : {false, true}) {
        QGuiApplication::clipboard()->clear();
        QTest::mouseDClick(ergebnis, Qt::LeftButton, {}, QPoint(10, ergebnis->height() / 2));
        if (mit_menue) {
            QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(5, 5), ergebnis->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(ergebnis, &ereignis);
            for (QAction* a : QApplication::activePopupWidget()->actions()) if (menuetext(a) == "Kopieren") a->trigger();
            QApplication::activePopupWidget()->close();
        } else {
            QTest::keyClick(b.w("txt_geo"), Qt::Key_C, Qt::ControlModifier);
        }
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "1575") << mit_menue;
        EXPECT_EQ(b.fokus(), "txt_geo");
    }
}

// The window's title, size and icons; Qt's own dialogs and menus in German.
// At any font every caption fits, no two controls overlap, and the window is
// enlarged no more than the tightest caption needs; a small font gets
// exactly 331 x 251 pixels.
TEST(Layout, BeiJederSchrift) {
    QtBedienung b;
    EXPECT_EQ(b.fenster.windowTitle(), "Flockenlinie");
    EXPECT_TRUE(b.fenster.minimumSize() == b.fenster.maximumSize() && !(b.fenster.windowFlags() & Qt::WindowMaximizeButtonHint));
    EXPECT_GE(b.fenster.windowIcon().availableSizes().size(), 7) << "an icon for every size a desktop asks";
    EXPECT_EQ(menuetext(std::unique_ptr<QMenu>(QLineEdit().createStandardContextMenu())->actions()[0]), "Rückgängig");
    const QFont alt = QApplication::font();
    for (const double punkt : {5.0, 11.0, 16.0}) {
        SCOPED_TRACE(punkt);
        QFont f = alt;
        f.setPointSizeF(punkt);
        QApplication::setFont(f);
        QtBedienung b;
        test::nichts_verdeckt(b);
        bool knapp = b.fenster.faktor() == 1.0;
        for (const auto& s : layout::steuerelemente) {
            const QSize noetig = b.w(s.name)->sizeHint(), da = b.w(s.name)->size();
            knapp |= *s.text && s.klasse != layout::Klasse::TextBox && (noetig.width() > da.width() * 0.99 || noetig.height() > da.height() * 0.99);
        }
        EXPECT_TRUE(knapp) << "enlarged by " << b.fenster.faktor() << " with room to spare";
        EXPECT_TRUE(punkt > 5 || (b.innen() == test::Rechteck{0, 0, 331, 251} && b.lage("cmd_berechnen") == test::Rechteck{152, 184, 233, 217}));
    }
    QApplication::setFont(alt);
}

}  // namespace
}  // namespace flockenlinie
