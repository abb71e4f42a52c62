// The window driven as a user drives it: typing, Tab, mouse, Alt+E, Space.
#include <gtest/gtest.h>

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
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "frm_flockenlinie.hpp"
#include "druecke.hpp"
#include "formate.hpp"

namespace flockenlinie {
namespace {

// A menu entry as the user reads it: no access key marks, no shortcut.
QString menuetext(const QAction* a) { return a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0); }

// What the window said, and how it stood at that moment.
struct Meldung {
    QString text;
    QString txt_temperatur, txt_geo, lbl_ergebnis;
};

class Fenster : public testing::Test {
public:
    void SetUp() override { oeffnen(test::deutsch); }

    void oeffnen(const Zahlformat& format) {
        fenster = std::make_unique<FrmFlockenlinie>(format, [this](QWidget* eltern, const QString& text) {
            EXPECT_EQ(eltern, fenster.get());
            meldungen.push_back({text, box("txt_temperatur")->text(), box("txt_geo")->text(),
                                 label("lbl_ergebnis")->text()});
        });
        fenster->show();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    }

    QLineEdit* box(const char* name) { return fenster->findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) { return fenster->findChild<QLabel*>(name); }
    QPushButton* knopf() { return fenster->findChild<QPushButton*>("cmd_berechnen"); }
    QVariant feld(const char* name) { return fenster->property(name); }
    QWidget* fokus() { return QApplication::focusWidget(); }

    // Types as on a keyboard; what is not ASCII arrives as text, as from an
    // input method.
    void tippen(const char* name, const QString& text) {
        QLineEdit* b = box(name);
        b->setFocus();
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(b, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, b, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
    }
    // Alt+E, through the window as the keyboard sends it. The button shows
    // itself pressed for a moment before it clicks.
    void alt_e() {
        QSignalSpy gedrueckt(knopf(), &QPushButton::clicked);
        QTest::keyClick(fenster->windowHandle(), Qt::Key_E, Qt::AltModifier);
        EXPECT_TRUE(gedrueckt.wait(2000));
    }
    void rechnen(const QString& temperatur, const QString& geo) {
        tippen("txt_temperatur", temperatur);
        tippen("txt_geo", geo);
        QTest::mouseClick(knopf(), Qt::LeftButton);
    }

    std::unique_ptr<FrmFlockenlinie> fenster;
    std::vector<Meldung> meldungen;
};

// ---- The command, for each outcome, after a first good press -------------

class FensterBefehl : public Fenster, public testing::WithParamInterface<test::Druck> {};

TEST_P(FensterBefehl, AendertNurWasDerAusgangNennt) {
    const test::Druck& d = GetParam();
    const auto q = [](const char* utf8) { return QString::fromUtf8(utf8); };
    rechnen("2,5", "1500");  // the window shows 1575 before
    ASSERT_EQ(label("lbl_ergebnis")->text(), "1575");
    ASSERT_TRUE(meldungen.empty());

    tippen("txt_temperatur", q(d.temperatur));
    tippen("txt_geo", q(d.geo));
    alt_e();

    if (d.meldung) {
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].text, q(d.meldung));
        // The box is emptied only after the message has been read.
        EXPECT_EQ(meldungen[0].txt_temperatur, q(d.temperatur));
        EXPECT_EQ(meldungen[0].txt_geo, q(d.geo));
        EXPECT_EQ(meldungen[0].lbl_ergebnis, "1575");
    } else {
        EXPECT_TRUE(meldungen.empty());
    }
    EXPECT_EQ(box("txt_temperatur")->text(), q(d.txt_temperatur));
    EXPECT_EQ(box("txt_geo")->text(), q(d.txt_geo));
    EXPECT_EQ(label("lbl_ergebnis")->text(), q(d.lbl_ergebnis));
    EXPECT_EQ(feld("str_temperatur").toString(), q(d.str_temperatur));
    EXPECT_EQ(feld("str_geo").toString(), q(d.str_geo));
    EXPECT_EQ(feld("var_ergebnis").toDouble(), d.var_ergebnis);
    EXPECT_EQ(label("lbl_Schneefall")->text(), "Schneefall m:");
    EXPECT_EQ(fokus(), box("txt_geo")) << "the command never moves the focus";
}

INSTANTIATE_TEST_SUITE_P(Ausgaenge, FensterBefehl, testing::ValuesIn(test::druecke));

TEST_F(Fenster, ErgebnisFeldIstLeerBisZurErstenRechnung) {
    rechnen("", "");
    rechnen("5", "x");
    EXPECT_FALSE(feld("var_ergebnis").isValid());
    EXPECT_EQ(feld("str_temperatur").toString(), "5");
    rechnen("1,3E306", "0");
    EXPECT_FALSE(feld("var_ergebnis").isValid());
}

TEST_F(Fenster, ZweimalDrueckenGibtZweimalDasselbe) {
    rechnen("2,5", "1500");
    QTest::mouseClick(knopf(), Qt::LeftButton);
    EXPECT_EQ(label("lbl_ergebnis")->text(), "1575");
    EXPECT_EQ(feld("var_ergebnis").toDouble(), 1575);
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(Fenster, ErfolgNachFehler) {
    rechnen("-10", "1500");
    rechnen("0", "1400");
    EXPECT_EQ(label("lbl_ergebnis")->text(), "1100");
    EXPECT_EQ(meldungen.size(), 1u);
}

TEST_F(Fenster, TextfelderOhneLaengengrenze) {
    const QString lang(100'000, QLatin1Char('1'));
    box("txt_temperatur")->setFocus();
    box("txt_temperatur")->insert(lang);
    EXPECT_EQ(box("txt_temperatur")->text().size(), lang.size());
}

// The mouse selects the result and copies it, with Ctrl+C wherever the focus
// is (a box's own selection comes first) or by its German context menu; the
// result never takes the focus.
TEST_F(Fenster, ErgebnisLaesstSichKopieren) {
    rechnen("2,5", "1500");
    QLabel* ergebnis = label("lbl_ergebnis");
    const auto kopiere_mit_menue = [&] {
        QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(5, 5), ergebnis->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(ergebnis, &ereignis);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        for (QAction* a : menue->actions()) {
            if (menuetext(a) == "Kopieren") a->trigger();
        }
        menue->close();
    };
    // Where the focus is, and whether by the menu or by Ctrl+C.
    const std::vector<std::pair<QWidget*, bool>> wege{{knopf(), false}, {box("txt_geo"), false}, {box("txt_geo"), true}};
    for (const auto& [fokus_vorher, mit_menue] : wege) {
        SCOPED_TRACE(fokus_vorher->objectName().toStdString());
        QGuiApplication::clipboard()->clear();
        fokus_vorher->setFocus();
        QTest::mouseDClick(ergebnis, Qt::LeftButton, {}, QPoint(10, ergebnis->height() / 2));
        ASSERT_EQ(ergebnis->selectedText(), "1575");
        if (mit_menue) kopiere_mit_menue();
        else QTest::keyClick(fokus_vorher, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "1575");
        EXPECT_EQ(fokus(), fokus_vorher);
    }
    box("txt_geo")->selectAll();  // the box's own selection
    QTest::keyClick(box("txt_geo"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1500");
}

// ---- Keys and focus -----------------------------------------------------

TEST_F(Fenster, FokusUndTabReihenfolge) {
    EXPECT_EQ(QApplication::focusWidget(), box("txt_temperatur"));
    const std::vector<QWidget*> kette{box("txt_geo"), knopf(), box("txt_temperatur"), box("txt_geo")};
    for (QWidget* naechstes : kette) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), naechstes);
    }
    for (const char* name : {"lbl_oben", "lbl_temperatur", "lbl_geo", "lbl_Schneefall", "lbl_ergebnis"}) {
        EXPECT_EQ(label(name)->focusPolicy(), Qt::NoFocus) << name;
    }
}

struct Taste {
    const char* was;
    std::function<void(Fenster&)> druecken;
    bool rechnet;
};

class FensterTasten : public Fenster, public testing::WithParamInterface<Taste> {};

TEST_P(FensterTasten, DrueckenOderNicht) {
    tippen("txt_temperatur", "2,5");
    tippen("txt_geo", "1500");
    GetParam().druecken(*this);
    EXPECT_EQ(label("lbl_ergebnis")->text(), GetParam().rechnet ? "1575" : "");
    EXPECT_TRUE(meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(Tasten, FensterTasten, testing::Values(
    Taste{"Alt+E im Textfeld", [](Fenster& f) { f.alt_e(); }, true},
    Taste{"Leertaste auf dem Knopf", [](Fenster& f) { f.knopf()->setFocus(); QTest::keyClick(f.knopf(), Qt::Key_Space); }, true},
    Taste{"Enter auf dem Knopf", [](Fenster& f) { f.knopf()->setFocus(); QTest::keyClick(f.knopf(), Qt::Key_Return); }, true},
    Taste{"Enter im Textfeld", [](Fenster& f) { QTest::keyClick(f.box("txt_geo"), Qt::Key_Return); }, false},
    Taste{"Escape im Textfeld", [](Fenster& f) { QTest::keyClick(f.box("txt_geo"), Qt::Key_Escape); }, false},
    Taste{"Tippen allein", [](Fenster&) {}, false}));

// ---- The real message box ------------------------------------------------

TEST(Meldungsbox, KritischMitEinemOkKnopf) {
    QWidget eltern;
    eltern.show();
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        gesehen = true;
        EXPECT_EQ(box->windowTitle(), "Achtung!");
        EXPECT_EQ(box->text(), "Berechnung nicht möglich!");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_TRUE(box->isModal());
        EXPECT_EQ(box->button(QMessageBox::Ok)->text(), "OK");
        box->button(QMessageBox::Ok)->click();
    });
    meldung_zeigen(&eltern, QStringLiteral("Berechnung nicht möglich!"));
    EXPECT_TRUE(gesehen);
}

// ---- The program (its end is checked on a real display) ----------------

TEST(Programm, NameVersionUndSymbol) {
    EXPECT_EQ(QApplication::applicationName(), "Flockenlinie");
    EXPECT_EQ(QApplication::applicationVersion(), "1.00");
    FrmFlockenlinie fenster(test::deutsch);
    const QList<QSize> groessen = fenster.windowIcon().availableSizes();
    EXPECT_TRUE(groessen.contains(QSize(16, 16)));
    EXPECT_TRUE(groessen.contains(QSize(32, 32)));
}

TEST(Programm, QtsEigeneTexteSindDeutsch) {
    QLineEdit box;
    std::unique_ptr<QMenu> menue(box.createStandardContextMenu());
    QStringList texte;
    for (const QAction* a : menue->actions()) texte << menuetext(a);
    EXPECT_TRUE(texte.contains("Rückgängig")) << texte.join(", ").toStdString();
    EXPECT_TRUE(texte.contains("Ausschneiden"));
    EXPECT_TRUE(texte.contains("Einfügen"));
}

// ---- The user's number format ---------------------------------------------

class FensterGebietsschema : public Fenster, public testing::WithParamInterface<test::Schreibweise> {};

TEST_P(FensterGebietsschema, RechnetInDerSchreibweiseDesNutzers) {
    const auto& g = GetParam();
    const Zahlformat format = zahlformat_aus(QLocale(QString::fromLatin1(g.gebiet)));
    EXPECT_EQ(format.dezimaltrenner, g.format.dezimaltrenner);
    EXPECT_EQ(format.gruppentrenner, g.format.gruppentrenner);
    oeffnen(format);
    rechnen(QString::fromUtf8(g.temperatur), QString::fromUtf8(g.geo));
    EXPECT_EQ(label("lbl_ergebnis")->text(), QString::fromUtf8(g.ergebnis));
    EXPECT_TRUE(meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(Gebietsschemata, FensterGebietsschema, testing::ValuesIn(test::schreibweisen));
// No locale set: numbers as the window's language writes them.
INSTANTIATE_TEST_SUITE_P(OhneGebietsschema, FensterGebietsschema,
                         testing::Values(test::Schreibweise{"C", test::deutsch, "2,5", "1.500", "1575"}));

}  // namespace
}  // namespace flockenlinie
