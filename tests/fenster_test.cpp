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
    std::string tipp(const char* name) override { return w(name)->toolTip().toStdString(); }
    std::string fokus() override { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : ""; }
    test::Felder felder() override {
        const QVariant v = fenster.property("var_ergebnis");
        return {fenster.property("str_temperatur").toString().toStdString(), fenster.property("str_geo").toString().toStdString(),
                v.isValid() ? std::optional(v.toDouble()) : std::nullopt};
    }
    test::Rechteck lage(const char* name) override {
        return {w(name)->x(), w(name)->y(), w(name)->x() + w(name)->width(), w(name)->y() + w(name)->height()};
    }
    test::Rechteck innen() override { return {0, 0, fenster.width(), fenster.height()}; }
    // What a text needs: the widget's own size hint for labels and the button.
    bool passt(const char* name) override { return w(name)->sizeHint().boundedTo(w(name)->size()) == w(name)->sizeHint(); }

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

// The presses, the keys, the tab chain and a long result as every window
// answers them; a screen reader hears the whole result, with its caption.
TEST(Fenster, WieJedesFenster) {
    test::tasten_pruefen([] { return std::make_unique<QtBedienung>(); });
    QtBedienung b;
    test::druecke_pruefen(b);
    test::langes_ergebnis_pruefen(b);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b.w("lbl_ergebnis"));
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_EQ(a->text(QAccessible::Description), "Schneefall m:");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&b.fenster)->role(), QAccessible::Window);
    for (const auto& [temperatur, name] : {std::pair{"2", "0," + std::string(39, '0') + "1"}, {"2,5", "1575"}, {"-10", ""}}) {
        b.rechnen(temperatur, temperatur == std::string("2") ? "1E-40" : "1500");
        EXPECT_EQ(a->text(QAccessible::Name).toStdString(), name);
    }
    for (const auto& [box, name] : {std::pair{"txt_temperatur", "Temp. auf 850 hPa °C:"}, {"txt_geo", "Geopot. 850 hPa m:"}}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(b.w(box))->text(QAccessible::Name), name);
    }
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

// The window's texts and fonts, and Qt's own dialogs and menus in German.
TEST(Layout, TexteUndSchriften) {
    QtBedienung b;
    EXPECT_EQ(b.fenster.windowTitle(), "Flockenlinie");
    EXPECT_EQ(b.fenster.minimumSize(), b.fenster.maximumSize()) << "fixed size";
    EXPECT_FALSE(b.fenster.windowFlags() & Qt::WindowMaximizeButtonHint);
    std::string texte;
    for (const auto& s : layout::steuerelemente) texte += b.text(s.name) + "|";
    EXPECT_EQ(texte, "Berechnung der Flockenlinie:|Temp. auf 850 hPa °C:|Geopot. 850 hPa m:|Schneefall m:|||B&erechnen||");
    const QFont schrift = b.w("lbl_oben")->font();
    EXPECT_TRUE(schrift.pointSize() == 12 && schrift.bold() && !schrift.italic() && !schrift.underline() && !schrift.strikeOut());
    EXPECT_EQ(b.w("lbl_temperatur")->font(), QApplication::font());
    EXPECT_GE(b.fenster.windowIcon().availableSizes().size(), 7) << "an icon for every size a desktop asks";
    QLineEdit box;
    const std::unique_ptr<QMenu> menue(box.createStandardContextMenu());
    EXPECT_EQ(menuetext(menue->actions()[0]), "Rückgängig");
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
            EXPECT_EQ((std::pair{b.innen(), b.lage("cmd_berechnen")}), (std::pair{test::Rechteck{0, 0, 331, 251}, test::Rechteck{152, 184, 233, 217}}));
        }
    }
    QApplication::setFont(alt);
}

}  // namespace
}  // namespace flockenlinie
