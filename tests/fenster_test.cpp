// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt window driven as a user drives it, its layout at several fonts, the
// result label, the message box and what a screen reader hears.
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

#include "fenster_pruefungen.hpp"
#include "frm_flockenlinie.hpp"

namespace flockenlinie {
namespace {

using test::Taste;

// A menu entry as the user reads it: no access key marks, no shortcut.
QString menuetext(const QAction* a) { return a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0); }

class QtBedienung : public test::Bedienung {
public:
    explicit QtBedienung(const Zahlformat& format = test::deutsch)
        : fenster(format, [this](QWidget* eltern, const QString& t) { melden(eltern, t); }) {
        fenster.show();
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
    template <class T = QWidget> T* w(const char* name) { return fenster.findChild<T*>(name); }

    // What is not ASCII arrives as text, as from an input method.
    void tippen(const char* name, const std::string& utf8) override {
        auto* b = w<QLineEdit>(name);
        b->setFocus();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        for (const QChar c : QString::fromStdString(utf8)) {
            if (c.unicode() < 0x80) QTest::keyClick(b, c.toLatin1());
            else QTest::sendKeyEvent(QTest::Click, b, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
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
    std::string fokus() override { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : ""; }
    test::Felder felder() override {
        const QVariant v = fenster.property("var_ergebnis");
        return {fenster.property("str_temperatur").toString().toStdString(), fenster.property("str_geo").toString().toStdString(),
                v.isValid() ? std::optional(v.toDouble()) : std::nullopt};
    }
    test::Rechteck lage(const char* name) override {
        const QRect g = w(name)->geometry();
        return {g.left(), g.top(), g.right() + 1, g.bottom() + 1};
    }
    test::Rechteck innen() override { return {0, 0, fenster.width(), fenster.height()}; }
    // What a text needs: the widget's own size hint for labels and the button.
    bool passt(const char* name) override { return w(name)->sizeHint().width() <= w(name)->width() && w(name)->sizeHint().height() <= w(name)->height(); }

    // The real message box, read and closed as it comes up.
    void melden(QWidget* eltern, const QString& t) {
        EXPECT_EQ(eltern, &fenster);
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            EXPECT_EQ(box->button(QMessageBox::Ok)->text(), "OK");
            meldungen.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                                 box->isModal() && box->icon() == QMessageBox::Critical && box->standardButtons() == QMessageBox::Ok,
                                 drei()});
            box->button(QMessageBox::Ok)->click();
        });
        meldung_zeigen(eltern, t);
        fenster.activateWindow();  // as a desktop does once the box is closed
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }

    FrmFlockenlinie fenster;
};

// The presses, the keys and the tab chain every window answers alike.
TEST(Fenster, WieJedesFenster) {
    test::tasten_pruefen([] { return std::make_unique<QtBedienung>(); });
    QtBedienung b;
    test::tabfolge_pruefen(b);
    test::druecke_pruefen(b);
}

// Numbers as the user's locale writes them; with no locale set, as the
// window's language writes them.
TEST(Fenster, Gebietsschemata) {
    for (const auto& s : test::schreibweisen) {
        const Zahlformat format = zahlformat_aus(QLocale(QString::fromLatin1(s.gebiet)));
        EXPECT_EQ(format.dezimaltrenner, s.format.dezimaltrenner) << s.gebiet;
        EXPECT_EQ(format.gruppentrenner, s.format.gruppentrenner) << s.gebiet;
        QtBedienung b(format);
        test::schreibweise_pruefen(b, s);
    }
    QtBedienung b(zahlformat_aus(QLocale::c()));
    test::schreibweise_pruefen(b, {"C", test::deutsch, "2,5", "1.500", "1575"});
}

TEST(Fenster, TextfelderOhneLaengengrenze) {
    QtBedienung b;
    b.w<QLineEdit>("txt_temperatur")->insert(QString(100'000, QLatin1Char('1')));
    EXPECT_EQ(b.text("txt_temperatur").size(), 100'000u);
}

// The mouse selects the result and copies it, with Ctrl+C wherever the focus
// is (a box's own selection comes first) or by its German context menu; the
// result never takes the focus.
TEST(Fenster, ErgebnisLaesstSichKopieren) {
    QtBedienung b;
    b.rechnen("2,5", "1500");
    auto* ergebnis = b.w<QLabel>("lbl_ergebnis");
    for (const auto& [fokus_vorher, mit_menue] : {std::pair{"cmd_berechnen", false}, {"txt_geo", false}, {"txt_geo", true}}) {
        SCOPED_TRACE(fokus_vorher);
        QGuiApplication::clipboard()->clear();
        b.w(fokus_vorher)->setFocus();
        QTest::mouseDClick(ergebnis, Qt::LeftButton, {}, QPoint(10, ergebnis->height() / 2));
        ASSERT_EQ(ergebnis->selectedText(), "1575");
        if (mit_menue) {
            QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(5, 5), ergebnis->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(ergebnis, &ereignis);
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menue, nullptr);
            for (QAction* a : menue->actions()) if (menuetext(a) == "Kopieren") a->trigger();
            menue->close();
        } else {
            QTest::keyClick(b.w(fokus_vorher), Qt::Key_C, Qt::ControlModifier);
        }
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "1575");
        EXPECT_EQ(b.fokus(), fokus_vorher);
    }
    b.w<QLineEdit>("txt_geo")->selectAll();  // the box's own selection
    QTest::keyClick(b.w("txt_geo"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1500");
}

// ---- The program ------------------------------------------------------------

TEST(Programm, NameVersionSymbolUndQtsDeutscheTexte) {
    EXPECT_EQ(QApplication::applicationName(), "Flockenlinie");
    EXPECT_EQ(QApplication::applicationVersion(), "1.00");
    const QList<QSize> groessen = FrmFlockenlinie(test::deutsch).windowIcon().availableSizes();
    EXPECT_TRUE(groessen.contains(QSize(16, 16)) && groessen.contains(QSize(32, 32)));
    QLineEdit box;
    QStringList texte;
    const std::unique_ptr<QMenu> menue(box.createStandardContextMenu());
    for (const QAction* a : menue->actions()) texte << menuetext(a);
    for (const char* t : {"Rückgängig", "Ausschneiden", "Einfügen"}) EXPECT_TRUE(texte.contains(t)) << t;
}

// ---- Layout -------------------------------------------------------------------

TEST(Layout, NamenTexteUndSchriften) {
    QtBedienung b;
    EXPECT_EQ(b.fenster.objectName(), "frm_flockenlinie");
    EXPECT_EQ(b.fenster.windowTitle(), "Flockenlinie");
    EXPECT_EQ(b.fenster.minimumSize(), b.fenster.maximumSize()) << "fixed size";
    EXPECT_FALSE(b.fenster.windowFlags() & Qt::WindowMaximizeButtonHint);
    std::vector<std::string> texte;
    for (const auto& s : layout::steuerelemente) texte.push_back(s.name + (" " + b.text(s.name)));
    EXPECT_EQ(texte, (std::vector<std::string>{"lbl_oben Berechnung der Flockenlinie:", "lbl_temperatur Temp. auf 850 hPa °C:",
                                               "lbl_geo Geopot. 850 hPa m:", "lbl_Schneefall Schneefall m:", "txt_temperatur ",
                                               "txt_geo ", "cmd_berechnen B&erechnen", "lbl_ergebnis "}));
    const QFont schrift = b.w("lbl_oben")->font();
    EXPECT_EQ(schrift.pointSize(), 12);
    EXPECT_EQ(schrift.weight(), QFont::Bold);
    EXPECT_FALSE(schrift.italic() || schrift.underline() || schrift.strikeOut());
    EXPECT_EQ(b.w("lbl_temperatur")->font(), QApplication::font());
}

// At any font every caption fits, no two controls overlap, and the window is
// enlarged no more than the tightest caption needs; a small font gets
// exactly 331 x 251 pixels.
TEST(Layout, NichtsAbgeschnittenOderVerdeckt) {
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
            const QWidget* w = b.w(s.name);
            knapp |= *s.text && s.klasse != layout::Klasse::TextBox &&
                     (w->sizeHint().width() > w->width() * 0.99 || w->sizeHint().height() > w->height() * 0.99);
        }
        EXPECT_TRUE(knapp) << "enlarged by " << b.fenster.faktor() << " with room to spare";
        if (punkt == 5.0) {
            EXPECT_EQ(b.innen(), (test::Rechteck{0, 0, 331, 251}));
            EXPECT_EQ(b.lage("cmd_berechnen"), (test::Rechteck{152, 184, 233, 217}));
        }
    }
    QApplication::setFont(alt);
}

// ---- The result label -----------------------------------------------------------

// A long level grows the label as far as the window's margin instead of being
// cut; a longer one is shortened in the middle, whole in its tooltip and for
// a screen reader, which hears it with its caption. The window is a window;
// each box is named by its caption.
TEST(Ergebnis, BreiterGekuerztUndVorgelesen) {
    QtBedienung b;
    auto* ergebnis = b.w<QLabel>("lbl_ergebnis");
    const int breite = ergebnis->width();
    const int rand = static_cast<int>(layout::rechter_rand * b.fenster.faktor() / 15);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&b.fenster)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(b.w("txt_temperatur"))->text(QAccessible::Name), "Temp. auf 850 hPa °C:");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(b.w("txt_geo"))->text(QAccessible::Name), "Geopot. 850 hPa m:");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(ergebnis);
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_EQ(a->text(QAccessible::Description), "Schneefall m:");
    b.rechnen("-8", "1500,3");
    ASSERT_EQ(ergebnis->text(), "0,299999999999955");
    EXPECT_GT(ergebnis->fontMetrics().horizontalAdvance(ergebnis->text()), breite) << "the case this is about";
    EXPECT_TRUE(b.passt("lbl_ergebnis"));
    EXPECT_LE(ergebnis->geometry().right(), rand);
    b.rechnen("2,5", "1500");
    EXPECT_EQ(ergebnis->width(), breite) << "a short number gets the table's width back";
    EXPECT_EQ(a->text(QAccessible::Name), "1575");
    b.rechnen("-10", "1500");
    EXPECT_EQ(a->text(QAccessible::Name), "");
    b.rechnen("2", "1E-40");
    const QString ganz = "0," + QString(39, '0') + "1";
    EXPECT_TRUE(ergebnis->text().contains(QChar(0x2026)));
    EXPECT_EQ(ergebnis->toolTip(), ganz);
    EXPECT_EQ(a->text(QAccessible::Name), ganz);
    EXPECT_TRUE(b.passt("lbl_ergebnis"));
    EXPECT_LE(ergebnis->geometry().right(), rand);
}

}  // namespace
}  // namespace flockenlinie
