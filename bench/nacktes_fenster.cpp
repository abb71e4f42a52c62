// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a bare Qt window with the same eight plain
// widgets, placed by hand, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Nackt"));
    fenster.setFixedSize(331, 251);
    const char* beschriftungen[] = {"Berechnung der Flockenlinie:", "Temp. auf 850 hPa °C:", "Geopot. 850 hPa m:",
                                    "Schneefall m:", ""};
    int y = 16;
    for (const char* text : beschriftungen) {
        (new QLabel(QString::fromUtf8(text), &fenster))->setGeometry(8, y, 129, 25);
        y += 40;
    }
    (new QLineEdit(&fenster))->setGeometry(152, 56, 81, 25);
    (new QLineEdit(&fenster))->setGeometry(152, 96, 81, 25);
    (new QPushButton(QStringLiteral("B&erechnen"), &fenster))->setGeometry(152, 184, 81, 33);
    fenster.show();
    return QApplication::exec();
}
