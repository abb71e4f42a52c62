// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// One QApplication for the window tests, set up as the program sets it up.
#include <gtest/gtest.h>

#include <QApplication>

#include "anwendung.hpp"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    flockenlinie::anwendung_einrichten(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
