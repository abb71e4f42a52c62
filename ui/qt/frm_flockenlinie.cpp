// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm_flockenlinie.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "anordnung.hpp"
#include "ansage.hpp"
#include "befehl.hpp"
#include "rahmen.hpp"
#include "texte.hpp"

namespace flockenlinie {

namespace {

QFont ueberschrift_schrift() {
    QFont f(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
    f.setStyleHint(QFont::SansSerif);  // where that family is missing
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

}  // namespace

// The result, framed as the style frames a text box, so that both look alike
// and stay crisp at every scaling. Its context menu copies what the mouse
// selected, or else the whole number, also where the field shows it shortened.
class Ergebnisfeld : public QLabel {
    Q_OBJECT  // so that findChild and qobject_cast tell it from a plain label

public:
    explicit Ergebnisfeld(QWidget* eltern) : QLabel(eltern) {}

    QString zahl;  // the whole number shown, or empty

    QString kopiertext() const { return hasSelectedText() ? selectedText() : zahl; }

protected:
    void paintEvent(QPaintEvent* e) override {
        {
            QPainter maler(this);
            QStyleOptionFrame rahmen;
            rahmen.initFrom(this);
            rahmen.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &rahmen, this);
            rahmen.state |= QStyle::State_Sunken;
            style()->drawPrimitive(QStyle::PE_PanelLineEdit, &rahmen, &maler, this);
        }
        QLabel::paintEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent* e) override {
        auto* menue = new QMenu(this);
        menue->setAttribute(Qt::WA_DeleteOnClose);
        // In Qt's own words, as in the text boxes' menus.
        QAction* kopieren = menue->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this,
                                             [this] { QGuiApplication::clipboard()->setText(kopiertext()); });
        kopieren->setShortcut(QKeySequence::Copy);
        kopieren->setEnabled(!zahl.isEmpty());
        menue->popup(e->globalPos());
    }
};

// Where no locale is set (the C or POSIX locale of minimal systems and bare
// terminals) numbers are written as the window's language writes them.
Zahlformat zahlformat_aus(const QLocale& locale) {
    const QLocale l = locale.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany) : locale;
    return {l.decimalPoint().toStdString(), l.groupSeparator().toStdString()};
}

FrmFlockenlinie::FrmFlockenlinie(Zahlformat format, Meldungsanzeige meldung, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      format_(std::move(format)),
      meldung_(std::move(meldung)) {
    setObjectName(QStringLiteral("frm_flockenlinie"));
    setWindowTitle(QString::fromUtf8(texte::fenster_titel));
    anlegen();
    anordnen();
    connect(cmd_berechnen, &QPushButton::clicked, this, &FrmFlockenlinie::berechnen);
    txt_temperatur->setFocus();
    rahmen_einrichten(this, true);
}

// One control for each row of the table, with its name, class and text.
void FrmFlockenlinie::anlegen() {
    std::vector<std::pair<int, QWidget*>> tabkette;
    for (const auto& s : layout::steuerelemente) {
        QWidget* w = nullptr;
        const QString text = QString::fromUtf8(s.text);
        switch (s.klasse) {
            case layout::Klasse::Label: {
                auto* l = std::string_view(s.name) == "lbl_ergebnis" ? new Ergebnisfeld(this) : new QLabel(this);
                l->setTextFormat(Qt::PlainText);
                l->setText(text);
                l->setFocusPolicy(Qt::NoFocus);
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
        if (w->focusPolicy() != Qt::NoFocus) {
            tabkette.emplace_back(s.tabindex, w);
            w->installEventFilter(this);  // Ctrl+C for the result
        }
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
    lbl_ergebnis = findChild<Ergebnisfeld*>(QStringLiteral("lbl_ergebnis"));

    lbl_oben->setFont(ueberschrift_schrift());

    // A screen reader names each box by its caption, and tells the result's
    // caption with it.
    lbl_temperatur->setBuddy(txt_temperatur);
    lbl_geo->setBuddy(txt_geo);
    lbl_Schneefall->setBuddy(lbl_ergebnis);

    // The result reads as a read-only output field, its text placed as in a
    // text box. The mouse may select it to copy it, but it never takes the
    // focus.
    const int innen = style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;  // as a text box's
    lbl_ergebnis->setContentsMargins(innen, 0, innen, 0);
    ergebnis_auswaehlbar(true);
}

void FrmFlockenlinie::ergebnis_auswaehlbar(bool ja) {
    lbl_ergebnis->setTextInteractionFlags(ja ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    lbl_ergebnis->setFocusPolicy(Qt::NoFocus);
}

// Ctrl+C copies what the mouse selected in the result, while the focus stays
// in a box or on the button; a box's own selection comes first.
bool FrmFlockenlinie::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy) &&
        lbl_ergebnis->hasSelectedText()) {
        const auto* box = qobject_cast<QLineEdit*>(ziel);
        if (!box || !box->hasSelectedText()) {
            QGuiApplication::clipboard()->setText(lbl_ergebnis->kopiertext());
            return true;
        }
    }
    return QWidget::eventFilter(ziel, e);
}

QRect FrmFlockenlinie::pixel(const layout::Steuerelement& s) const {
    const auto r = layout::in_pixel(s, faktor_ / layout::twips_pro_pixel);
    return {r.links, r.oben, r.breite, r.hoehe};
}

// The table's layout, enlarged uniformly by the smallest factor that lets
// every caption, the heading and the button text fit the platform's font.
void FrmFlockenlinie::anordnen() {
    constexpr double k = 1.0 / layout::twips_pro_pixel;
    faktor_ = 1.0;
    for (const auto& s : layout::steuerelemente) {
        if (s.klasse == layout::Klasse::TextBox || *s.text == '\0') continue;
        const QSize noetig = findChild<QWidget*>(QString::fromUtf8(s.name))->sizeHint();
        faktor_ = std::max(faktor_, layout::vergroesserung(s, k, noetig.width(), noetig.height()));
    }
    for (const auto& s : layout::steuerelemente) {
        findChild<QWidget*>(QString::fromUtf8(s.name))->setGeometry(pixel(s));
    }
    setFixedSize(layout::fenster_breite_pixel(faktor_ * k), layout::fenster_hoehe_pixel(faktor_ * k));
}

// A number cut short reads as another number: the result grows to the right
// as far as the window's margin, and what is still too long is elided in the
// middle, the whole number in its tooltip and its accessible name; the mouse
// cannot select a part of it then, and its context menu copies it whole.
void FrmFlockenlinie::ergebnis_zeigen(const QString& text) {
    const auto& s = layout::eintrag("lbl_ergebnis");
    lbl_ergebnis->setText(text);
    lbl_ergebnis->setToolTip({});
    lbl_ergebnis->setAccessibleName(text);
    lbl_ergebnis->zahl = text;
    ergebnis_auswaehlbar(true);
    const int rahmen = lbl_ergebnis->sizeHint().width() - lbl_ergebnis->fontMetrics().horizontalAdvance(text);
    const auto platz = layout::ergebnis_breite(s, faktor_ / layout::twips_pro_pixel, lbl_ergebnis->sizeHint().width());
    if (platz.kuerzen) {
        lbl_ergebnis->setText(lbl_ergebnis->fontMetrics().elidedText(text, Qt::ElideMiddle, platz.breite - rahmen));
        lbl_ergebnis->setToolTip(text);
        ergebnis_auswaehlbar(false);
    }
    lbl_ergebnis->resize(platz.breite, pixel(s).height());
    if (!text.isEmpty()) ansagen(lbl_ergebnis, lbl_Schneefall->text() + QLatin1Char(' ') + text);
}

// The calculate command: read both boxes, let the command decide, keep what
// it allows, then the message, then the one control it names.
void FrmFlockenlinie::berechnen() {
    const QString temperatur = txt_temperatur->text();
    const QString geo = txt_geo->text();
    const Antwort antwort = befehl_berechnen(temperatur.toStdString(), geo.toStdString(), format_);

    if (antwort.str_temperatur) str_temperatur = temperatur;
    if (antwort.str_geo) str_geo = geo;
    if (antwort.var_ergebnis) var_ergebnis = *antwort.var_ergebnis;
    if (!antwort.meldung.empty()) {
        meldung_(this, QString::fromUtf8(antwort.meldung.data(), static_cast<qsizetype>(antwort.meldung.size())));
    }
    switch (antwort.ziel) {
        case Ziel::keines: break;
        case Ziel::txt_temperatur: txt_temperatur->clear(); break;
        case Ziel::txt_geo: txt_geo->clear(); break;
        case Ziel::lbl_ergebnis: ergebnis_zeigen(QString::fromStdString(antwort.text)); break;
    }
}

}  // namespace flockenlinie

#include "frm_flockenlinie.moc"
