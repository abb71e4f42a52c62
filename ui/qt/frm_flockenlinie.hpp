// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

#include "zahlformat.hpp"
#include "layout.hpp"
#include "meldung.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

namespace flockenlinie {

class Ergebnisfeld;

// The program's one window: two boxes for the 850 hPa temperature and height,
// the button that calculates, and the labels around them.
class FrmFlockenlinie : public QWidget {
    Q_OBJECT
    // What the last press of the button kept: the last texts that were
    // numbers, and the last level computed (invalid until the first one).
    Q_PROPERTY(QString str_temperatur MEMBER str_temperatur)
    Q_PROPERTY(QString str_geo MEMBER str_geo)
    Q_PROPERTY(QVariant var_ergebnis MEMBER var_ergebnis)

public:
    explicit FrmFlockenlinie(Zahlformat format, Meldungsanzeige meldung = meldung_zeigen,
                             QWidget* eltern = nullptr);

    // How much the table's layout was enlarged so that every caption fits
    // the platform's font; 1 where it fits as drawn.
    double faktor() const { return faktor_; }

    // Where a control of the table stands in this window, in pixels.
    QRect pixel(const layout::Steuerelement& s) const;

private:
    void berechnen();  // the button's command
    void anlegen();
    void anordnen();
    void ergebnis_zeigen(const QString& text);
    void ergebnis_auswaehlbar(bool ja);
    bool eventFilter(QObject* ziel, QEvent* e) override;

    QLabel* lbl_oben = nullptr;
    QLabel* lbl_temperatur = nullptr;
    QLabel* lbl_geo = nullptr;
    QLabel* lbl_Schneefall = nullptr;
    QLineEdit* txt_temperatur = nullptr;
    QLineEdit* txt_geo = nullptr;
    QPushButton* cmd_berechnen = nullptr;
    Ergebnisfeld* lbl_ergebnis = nullptr;

    QString str_temperatur;
    QString str_geo;
    QVariant var_ergebnis;

    const Zahlformat format_;
    const Meldungsanzeige meldung_;
    double faktor_ = 1.0;
};

// The user's number format, as their locale writes numbers.
Zahlformat zahlformat_aus(const QLocale& locale);

}  // namespace flockenlinie
