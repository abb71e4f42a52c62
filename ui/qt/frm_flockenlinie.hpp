// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "befehl.hpp"
#include "layout.hpp"
#include "meldung.hpp"
#include "zahlformat.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

namespace flockenlinie {

class Ergebnisfeld;

// The program's one window: two boxes for the 850 hPa temperature and height,
// the button that calculates, and the labels around them.
class FrmFlockenlinie : public QWidget, private Befehlsfenster {
    Q_OBJECT
    // What the last press of the button kept: the last texts that were
    // numbers, and the last level computed (invalid until the first one).
    Q_PROPERTY(QString str_temperatur READ str_temperatur)
    Q_PROPERTY(QString str_geo READ str_geo)
    Q_PROPERTY(QVariant var_ergebnis READ var_ergebnis)

public:
    explicit FrmFlockenlinie(Zahlformat format, Meldungsanzeige meldung = meldung_zeigen,
                             QWidget* eltern = nullptr);

    // How much the table's layout was enlarged so that every caption fits
    // the platform's font; 1 where it fits as drawn.
    double faktor() const { return faktor_; }

    QString str_temperatur() const { return QString::fromStdString(felder().str_temperatur); }
    QString str_geo() const { return QString::fromStdString(felder().str_geo); }
    QVariant var_ergebnis() const { return felder().var_ergebnis ? QVariant(*felder().var_ergebnis) : QVariant(); }

private:
    void anlegen();
    void anordnen();
    QRect pixel(const layout::Steuerelement& s) const;  // where a control stands in this window
    void ergebnis_auswaehlbar(bool ja);
    bool eventFilter(QObject* ziel, QEvent* e) override;

    void melden(std::string_view text) override;
    void leeren(Ziel box) override;
    void ergebnis_zeigen(const std::string& text) override;

    std::array<QWidget*, layout::anzahl> elemente_{};  // by the table's rows
    QLabel* lbl_oben = nullptr;
    QLineEdit* txt_temperatur = nullptr;
    QLineEdit* txt_geo = nullptr;
    QPushButton* cmd_berechnen = nullptr;
    Ergebnisfeld* lbl_ergebnis = nullptr;

    const Zahlformat format_;
    const Meldungsanzeige meldung_;
    double faktor_ = 1.0;
};

}  // namespace flockenlinie
