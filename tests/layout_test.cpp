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

TEST(Layout, NamenTexteUndSchriften) {
    FrmFlockenlinie f(test::deutsch);
    f.show();
    EXPECT_EQ(f.objectName(), "frm_flockenlinie");
    EXPECT_EQ(f.windowTitle(), "Flockenlinie");
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "fixed size";
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    for (const auto& s : layout::steuerelemente) {
        QWidget* w = element(f, s);
        ASSERT_NE(w, nullptr) << s.name;
        EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(s.text)) << s.name;
    }
    const QFont schrift = f.findChild<QLabel*>("lbl_oben")->font();
    EXPECT_EQ(schrift.pointSize(), 12);
    EXPECT_EQ(schrift.weight(), QFont::Bold);
    EXPECT_FALSE(schrift.italic() || schrift.underline() || schrift.strikeOut());
    EXPECT_EQ(f.findChild<QLabel*>("lbl_temperatur")->font(), QApplication::font());
}

// At any font every caption fits, no two controls overlap, and the window is
// enlarged no more than the tightest caption needs; a small font gets
// exactly the table (4965 x 3765 twips at 96 dpi).
class LayoutSchrift : public testing::TestWithParam<double> {};

TEST_P(LayoutSchrift, NichtsAbgeschnittenOderVerdeckt) {
    MitSchrift schrift(GetParam());
    FrmFlockenlinie f(test::deutsch);
    bool knapp = f.faktor() == 1.0;
    for (const auto& s : layout::steuerelemente) {
        QWidget* w = element(f, s);
        EXPECT_TRUE(f.rect().contains(w->geometry())) << s.name;
        for (const auto& t : layout::steuerelemente) {
            EXPECT_TRUE(&s == &t || !w->geometry().intersects(element(f, t)->geometry())) << s.name << " " << t.name;
        }
        if (s.klasse == Klasse::TextBox || !*s.text) continue;
        EXPECT_TRUE(passt(w)) << s.name << " bei " << GetParam() << " pt";
        knapp |= w->sizeHint().width() > w->width() * 0.99 || w->sizeHint().height() > w->height() * 0.99;
    }
    EXPECT_TRUE(knapp) << "enlarged by " << f.faktor() << " with room to spare";
    if (GetParam() == 5.0) {
        EXPECT_EQ(f.size(), QSize(331, 251));
        EXPECT_EQ(f.findChild<QWidget*>("cmd_berechnen")->geometry(), QRect(152, 184, 81, 33));
    }
}

INSTANTIATE_TEST_SUITE_P(Schriften, LayoutSchrift, testing::Values(5.0, 11.0, 16.0));

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
