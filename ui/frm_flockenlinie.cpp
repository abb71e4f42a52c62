#include "frm_flockenlinie.hpp"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace flockenlinie {

namespace {

const layout::Steuerelement& eintrag(std::string_view name) {
    return *std::ranges::find_if(layout::steuerelemente, [&](const auto& s) { return s.name == name; });
}

QFont ueberschrift_schrift() {
    QFont f(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
    f.setStyleHint(QFont::SansSerif);  // where that family is missing
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

}  // namespace

Zahlformat zahlformat_aus(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

FrmFlockenlinie::FrmFlockenlinie(Zahlformat format, Meldungsanzeige meldung, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      format_(std::move(format)),
      meldung_(std::move(meldung)) {
    setObjectName(QStringLiteral("frm_flockenlinie"));
    setWindowTitle(QStringLiteral("Flockenlinie"));
    anlegen();
    anordnen();
    connect(cmd_berechnen, &QPushButton::clicked, this, &FrmFlockenlinie::berechnen);
    txt_temperatur->setFocus();
}

// One control for each row of the table, with its name, class and text.
void FrmFlockenlinie::anlegen() {
    std::vector<std::pair<int, QWidget*>> tabkette;
    for (const auto& s : layout::steuerelemente) {
        QWidget* w = nullptr;
        const QString text = QString::fromUtf8(s.text);
        switch (s.klasse) {
            case layout::Klasse::Label: {
                auto* l = new QLabel(text, this);
                l->setFocusPolicy(Qt::NoFocus);
                l->setTextFormat(Qt::PlainText);
                w = l;
                break;
            }
            case layout::Klasse::TextBox: {
                auto* t = new QLineEdit(text, this);
                t->setMaxLength(std::numeric_limits<int>::max());  // no length limit
                w = t;
                break;
            }
            case layout::Klasse::CommandButton: {
                auto* b = new QPushButton(text, this);
                // Enter presses the button while it has the focus; it is not
                // the window's default button, so Enter in a box does not.
                b->setAutoDefault(true);
                b->setDefault(false);
                w = b;
                break;
            }
        }
        w->setObjectName(QString::fromUtf8(s.name));
        if (w->focusPolicy() != Qt::NoFocus) tabkette.emplace_back(s.tabindex, w);
    }
    std::ranges::sort(tabkette);
    for (std::size_t i = 1; i < tabkette.size(); ++i) setTabOrder(tabkette[i - 1].second, tabkette[i].second);

    lbl_oben = findChild<QLabel*>(QStringLiteral("lbl_oben"));
    lbl_temperatur = findChild<QLabel*>(QStringLiteral("lbl_temperatur"));
    lbl_geo = findChild<QLabel*>(QStringLiteral("lbl_geo"));
    lbl_Schneefall = findChild<QLabel*>(QStringLiteral("lbl_Schneefall"));
    txt_temperatur = findChild<QLineEdit*>(QStringLiteral("txt_temperatur"));
    txt_geo = findChild<QLineEdit*>(QStringLiteral("txt_geo"));
    cmd_berechnen = findChild<QPushButton*>(QStringLiteral("cmd_berechnen"));
    lbl_ergebnis = findChild<QLabel*>(QStringLiteral("lbl_ergebnis"));

    lbl_oben->setFont(ueberschrift_schrift());

    // A screen reader names each box by its caption.
    lbl_temperatur->setBuddy(txt_temperatur);
    lbl_geo->setBuddy(txt_geo);

    // The result reads as a read-only output field. Its accessible name stays
    // its text, so that the number is what a screen reader hears.
    lbl_ergebnis->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lbl_ergebnis->setAutoFillBackground(true);
    lbl_ergebnis->setBackgroundRole(QPalette::Base);
    lbl_ergebnis->setAccessibleDescription(lbl_Schneefall->text());
}

QRect FrmFlockenlinie::pixel(const layout::Steuerelement& s) const {
    const double k = faktor_ / layout::twips_pro_pixel;
    const int x = static_cast<int>(std::lround(s.links * k));
    const int y = static_cast<int>(std::lround(s.oben * k));
    return {x, y, static_cast<int>(std::ceil(s.breite * k)), static_cast<int>(std::ceil(s.hoehe * k))};
}

// The table's layout, enlarged uniformly by the smallest factor that lets
// every caption, the heading and the button text fit the platform's font.
void FrmFlockenlinie::anordnen() {
    faktor_ = 1.0;
    for (const auto& s : layout::steuerelemente) {
        if (s.klasse == layout::Klasse::TextBox || *s.text == '\0') continue;
        const QSize noetig = findChild<QWidget*>(QString::fromUtf8(s.name))->sizeHint();
        const double breite = double(s.breite) / layout::twips_pro_pixel;
        const double hoehe = double(s.hoehe) / layout::twips_pro_pixel;
        faktor_ = std::max({faktor_, noetig.width() / breite, noetig.height() / hoehe});
    }
    for (const auto& s : layout::steuerelemente) {
        findChild<QWidget*>(QString::fromUtf8(s.name))->setGeometry(pixel(s));
    }
    const double k = faktor_ / layout::twips_pro_pixel;
    setFixedSize(static_cast<int>(std::ceil(layout::fenster_breite * k)),
                 static_cast<int>(std::ceil(layout::fenster_hoehe * k)));
}

// A number cut short reads as another number: the result grows to the right
// as far as the window's margin, and what is still too long is elided in the
// middle, the whole number in its tooltip.
void FrmFlockenlinie::ergebnis_zeigen(const QString& text) {
    const auto& s = eintrag("lbl_ergebnis");
    const QRect platz = pixel(s);
    const int rand = static_cast<int>(std::floor(layout::rechter_rand * faktor_ / layout::twips_pro_pixel));
    const int hoechstens = rand - platz.x();

    lbl_ergebnis->setText(text);
    lbl_ergebnis->setToolTip({});
    int breite = lbl_ergebnis->sizeHint().width();
    if (breite > hoechstens) {
        const int innen = hoechstens - (breite - lbl_ergebnis->fontMetrics().horizontalAdvance(text));
        lbl_ergebnis->setText(lbl_ergebnis->fontMetrics().elidedText(text, Qt::ElideMiddle, innen));
        lbl_ergebnis->setToolTip(text);
        breite = hoechstens;
    }
    lbl_ergebnis->resize(std::max(platz.width(), breite), platz.height());
}

// The calculate command: judge and compute, keep what the outcome allows,
// then answer with a message or the level.
void FrmFlockenlinie::berechnen() {
    const QString temperatur = txt_temperatur->text();
    const QString geo = txt_geo->text();

    Berechnungsausgang ausgang;
    try {
        ausgang = ergebnis_berechnen(temperatur.toStdString(), geo.toStdString(), format_);
    } catch (const Rechenfehler&) {
        // Beyond the range of a double there is no level; the user keeps the
        // window and can correct the inputs.
        str_temperatur = temperatur;
        str_geo = geo;
        meldung_(this, meldung_nicht_moeglich);
        return;
    }

    switch (ausgang.art) {
        case Ausgangsart::temperatur_keine_zahl:
            meldung_(this, meldung_keine_zahl);
            txt_temperatur->clear();
            break;
        case Ausgangsart::geo_keine_zahl:
            str_temperatur = temperatur;
            meldung_(this, meldung_keine_zahl);
            txt_geo->clear();
            break;
        case Ausgangsart::ausserhalb_bereich:
            str_temperatur = temperatur;
            str_geo = geo;
            var_ergebnis = ausgang.wert;
            meldung_(this, meldung_nicht_moeglich);
            ergebnis_zeigen({});
            break;
        case Ausgangsart::ok:
            str_temperatur = temperatur;
            str_geo = geo;
            var_ergebnis = ausgang.wert;
            ergebnis_zeigen(QString::fromStdString(ausgang.anzeige));
            break;
    }
}

}  // namespace flockenlinie
