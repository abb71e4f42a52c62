// The window as the table draws it, and nothing on it clipped.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <tuple>
#include <vector>

#include "formate.hpp"
#include "frm_flockenlinie.hpp"

namespace flockenlinie {
namespace {

using layout::Klasse;

// Runs with the application font set to `punkt` points, the old one back afterwards.
class MitSchrift {
public:
    explicit MitSchrift(double punkt) : alt_(QApplication::font()) {
        QFont f = alt_;
        f.setPointSizeF(punkt);
        QApplication::setFont(f);
    }
    ~MitSchrift() { QApplication::setFont(alt_); }

private:
    QFont alt_;
};

QWidget* element(FrmFlockenlinie& f, const layout::Steuerelement& s) { return f.findChild<QWidget*>(s.name); }

// What a text needs: the widget's own size hint for labels and the button.
bool passt(QWidget* w) { return w->sizeHint().width() <= w->width() && w->sizeHint().height() <= w->height(); }

TEST(Layout, NamenUndTexteWieInDerTabelle) {
    FrmFlockenlinie f(test::deutsch);
    EXPECT_EQ(f.objectName(), "frm_flockenlinie");
    EXPECT_EQ(f.windowTitle(), "Flockenlinie");
    for (const auto& s : layout::steuerelemente) {
        QWidget* w = element(f, s);
        ASSERT_NE(w, nullptr) << s.name;
        EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(s.text)) << s.name;
    }
}

TEST(Layout, FesteGroesse) {
    FrmFlockenlinie f(test::deutsch);
    f.show();
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(Layout, UeberschriftFett12Punkt) {
    FrmFlockenlinie f(test::deutsch);
    const QFont schrift = f.findChild<QLabel*>("lbl_oben")->font();
    EXPECT_EQ(schrift.pointSize(), 12);
    EXPECT_EQ(schrift.weight(), QFont::Bold);
    EXPECT_FALSE(schrift.italic() || schrift.underline() || schrift.strikeOut());
    EXPECT_EQ(f.findChild<QLabel*>("lbl_temperatur")->font(), QApplication::font());
}

// At any font, every caption fits, and the layout keeps its proportions: a
// small font gets exactly the table, a large one the table enlarged.
class LayoutSchrift : public testing::TestWithParam<double> {};

TEST_P(LayoutSchrift, NichtsAbgeschnittenUndMassstabsgetreu) {
    MitSchrift schrift(GetParam());
    FrmFlockenlinie f(test::deutsch);
    const double k = f.faktor();
    EXPECT_GE(k, 1.0);
    for (const auto& s : layout::steuerelemente) {
        QWidget* w = element(f, s);
        if (s.klasse != Klasse::TextBox && *s.text) {
            EXPECT_TRUE(passt(w)) << s.name << " bei " << GetParam() << " pt";
        }
        EXPECT_NEAR(w->x(), s.links * k / 15, 1) << s.name;
        EXPECT_NEAR(w->width(), s.breite * k / 15, 1) << s.name;
        EXPECT_NEAR(w->height(), s.hoehe * k / 15, 1) << s.name;
    }
    EXPECT_NEAR(f.width(), layout::fenster_breite * k / 15, 1);
    EXPECT_NEAR(f.height(), layout::fenster_hoehe * k / 15, 1);
    // Some factor below this one would clip a caption: the factor is the smallest.
    if (k > 1.0) {
        bool knapp = false;
        for (const auto& s : layout::steuerelemente) {
            if (s.klasse == Klasse::TextBox || !*s.text) continue;
            const QSize n = element(f, s)->sizeHint();
            knapp |= n.width() > s.breite * k * 0.99 / 15 || n.height() > s.hoehe * k * 0.99 / 15;
        }
        EXPECT_TRUE(knapp);
    }
}

INSTANTIATE_TEST_SUITE_P(Schriften, LayoutSchrift, testing::Values(5.0, 9.0, 11.0, 16.0));

TEST(Layout, KleineSchriftIstGenauDieTabelle) {
    MitSchrift schrift(5.0);
    FrmFlockenlinie f(test::deutsch);
    EXPECT_EQ(f.faktor(), 1.0);
    EXPECT_EQ(f.size(), QSize(331, 251));
    EXPECT_EQ(f.findChild<QWidget*>("cmd_berechnen")->geometry(), QRect(152, 184, 81, 33));
}

// ---- The result label -------------------------------------------------

class Ergebnis : public testing::Test {
protected:
    void rechnen(const char* temperatur, const char* geo) {
        f.findChild<QLineEdit*>("txt_temperatur")->setText(QString::fromUtf8(temperatur));
        f.findChild<QLineEdit*>("txt_geo")->setText(QString::fromUtf8(geo));
        QTest::mouseClick(f.findChild<QPushButton*>("cmd_berechnen"), Qt::LeftButton);
    }
    QLabel* ergebnis() { return f.findChild<QLabel*>("lbl_ergebnis"); }
    int rand() const { return static_cast<int>(layout::rechter_rand * f.faktor() / 15); }

    FrmFlockenlinie f{test::deutsch, [](QWidget*, const QString&) {}};
};

TEST_F(Ergebnis, LangeZahlWirdBreiterStattAbgeschnitten) {
    const int breite = ergebnis()->width();
    rechnen("-8", "1500,3");
    ASSERT_EQ(ergebnis()->text(), "0,299999999999955");
    const int noetig = ergebnis()->fontMetrics().horizontalAdvance(ergebnis()->text());
    EXPECT_GT(noetig, breite) << "the case this is about";
    EXPECT_TRUE(passt(ergebnis()));
    EXPECT_LE(ergebnis()->geometry().right(), rand());

    rechnen("2,5", "1500");
    EXPECT_EQ(ergebnis()->width(), breite) << "a short number gets the table's width back";
}

TEST_F(Ergebnis, UeberlangeZahlWirdInDerMitteGekuerzt) {
    rechnen("2", "1E-40");
    EXPECT_TRUE(ergebnis()->text().contains(QChar(0x2026)));
    EXPECT_EQ(ergebnis()->toolTip(), "0," + QString(39, '0') + "1");
    EXPECT_TRUE(passt(ergebnis()));
    EXPECT_LE(ergebnis()->geometry().right(), rand());
}

// ---- Screen readers ------------------------------------------------------

// The window is a window; each box is named by its caption, the result by
// its whole number, also where it shows it shortened. (What is said at each
// press needs a platform bridge: orca_test.py hears it.)
TEST_F(Ergebnis, BildschirmleserHoertBeschriftungUndZahl) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&f)->role(), QAccessible::Window);
    QAccessibleInterface* temperatur = QAccessible::queryAccessibleInterface(f.findChild<QLineEdit*>("txt_temperatur"));
    QAccessibleInterface* geo = QAccessible::queryAccessibleInterface(f.findChild<QLineEdit*>("txt_geo"));
    EXPECT_EQ(temperatur->text(QAccessible::Name), "Temp. auf 850 hPa °C:");
    EXPECT_EQ(geo->text(QAccessible::Name), "Geopot. 850 hPa m:");

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(ergebnis());
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_EQ(a->text(QAccessible::Description), "Schneefall m:");
    for (const auto& [temperatur_text, geo_text, name] : {std::tuple{"2,5", "1500", "1575"},
                                                           std::tuple{"-10", "1500", ""},
                                                           std::tuple{"2", "1E-40", "0,0000000000000000000000000000000000000001"}}) {
        rechnen(temperatur_text, geo_text);
        EXPECT_EQ(a->text(QAccessible::Name), name);
    }
}

}  // namespace
}  // namespace flockenlinie
