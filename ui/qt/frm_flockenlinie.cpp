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
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <algorithm>
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

FrmFlockenlinie::FrmFlockenlinie(Zahlformat format, Meldungsanzeige meldung, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      format_(std::move(format)),
      meldung_(std::move(meldung)) {
    setObjectName(QStringLiteral("frm_flockenlinie"));
    setWindowTitle(QString::fromUtf8(texte::fenster_titel));
    anlegen();
    anordnen();
    connect(cmd_berechnen, &QPushButton::clicked, this, [this] {
        berechnen(txt_temperatur->text().toStdString(), txt_geo->text().toStdString(), format_);
    });
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
                auto* l = layout::name_von(s) == layout::lbl_ergebnis ? new Ergebnisfeld(this) : new QLabel(this);
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
        elemente_[layout::name_von(s)] = w;
    }
    std::ranges::sort(tabkette);
    for (std::size_t i = 1; i < tabkette.size(); ++i) setTabOrder(tabkette[i - 1].second, tabkette[i].second);
    // A screen reader names each box by its caption, and tells the result's
    // caption with it.
    for (const auto& s : layout::steuerelemente) {
        if (s.fuer != layout::keines) static_cast<QLabel*>(elemente_[layout::name_von(s)])->setBuddy(elemente_[s.fuer]);
    }

    lbl_oben = static_cast<QLabel*>(elemente_[layout::lbl_oben]);
    txt_temperatur = static_cast<QLineEdit*>(elemente_[layout::txt_temperatur]);
    txt_geo = static_cast<QLineEdit*>(elemente_[layout::txt_geo]);
    cmd_berechnen = static_cast<QPushButton*>(elemente_[layout::cmd_berechnen]);
    lbl_ergebnis = static_cast<Ergebnisfeld*>(elemente_[layout::lbl_ergebnis]);

    lbl_oben->setFont(ueberschrift_schrift());
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

// The table's layout, enlarged uniformly so that every caption, the heading
// and the button text fit the platform's font.
void FrmFlockenlinie::anordnen() {
    constexpr double k = 1.0 / layout::twips_pro_pixel;
    faktor_ = layout::vergroesserung(k, [this](const layout::Steuerelement& s) {
        const QSize noetig = elemente_[layout::name_von(s)]->sizeHint();
        return layout::Groesse{noetig.width(), noetig.height()};
    });
    for (const auto& s : layout::steuerelemente) elemente_[layout::name_von(s)]->setGeometry(pixel(s));
    setFixedSize(layout::fenster_breite_pixel(faktor_ * k), layout::fenster_hoehe_pixel(faktor_ * k));
}

// The result fitted to the window: where it shows shortened, the whole
// number is in its tooltip and its accessible name, the mouse cannot select
// a part of it, and its context menu copies it whole.
void FrmFlockenlinie::ergebnis_zeigen(const std::string& text) {
    const QString ganz = QString::fromStdString(text);
    const QFontMetrics schrift = lbl_ergebnis->fontMetrics();
    lbl_ergebnis->setText(ganz);
    const int rahmen = lbl_ergebnis->sizeHint().width() - schrift.horizontalAdvance(ganz);
    const auto feld = layout::ergebnis_einpassen(text, faktor_ / layout::twips_pro_pixel, [&](std::string_view t) {
        return rahmen + schrift.horizontalAdvance(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
    });
    lbl_ergebnis->setText(QString::fromStdString(feld.gezeigt));
    lbl_ergebnis->setToolTip(feld.gekuerzt ? ganz : QString());
    lbl_ergebnis->setAccessibleName(ganz);
    lbl_ergebnis->zahl = ganz;
    ergebnis_auswaehlbar(!feld.gekuerzt);
    lbl_ergebnis->resize(feld.breite, feld.hoehe);
    if (!text.empty()) {
        ansagen(lbl_ergebnis, QString::fromUtf8(layout::steuerelemente[layout::lbl_Schneefall].text) + QLatin1Char(' ') + ganz);
    }
}

void FrmFlockenlinie::melden(std::string_view text) {
    meldung_(this, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void FrmFlockenlinie::leeren(Ziel box) { (box == Ziel::txt_temperatur ? txt_temperatur : txt_geo)->clear(); }

}  // namespace flockenlinie

#include "frm_flockenlinie.moc"
