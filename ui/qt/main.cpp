// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLocale>

#include "anwendung.hpp"
#include "frm_flockenlinie.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    flockenlinie::anwendung_einrichten(app);
    flockenlinie::FrmFlockenlinie fenster(flockenlinie::zahlformat_aus(QLocale::system()));
    fenster.show();
    return QApplication::exec();
}
