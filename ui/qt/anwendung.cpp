// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anwendung.hpp"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ansage.hpp"

namespace flockenlinie {

void anwendung_einrichten(QApplication& app) {
    // No display name: Qt would append it to every window title, and a
    // message box's title is "Achtung!" alone.
    QApplication::setApplicationName(QStringLiteral("Flockenlinie"));
    QApplication::setApplicationVersion(QStringLiteral(FLOCKENLINIE_VERSION));
    barrierefreiheit_einrichten();

    // Every size the desktop may ask for, so that the title bar, task bar and
    // Alt+Tab stay sharp at any scaling; on Wayland the desktop entry's icon.
    QIcon symbol;
    for (const QFileInfo& bild : QDir(QStringLiteral(":/symbol")).entryInfoList()) symbol.addFile(bild.filePath());
    QApplication::setWindowIcon(symbol);
    QGuiApplication::setDesktopFileName(QStringLiteral("flockenlinie"));

    auto* qt_texte = new QTranslator(&app);
    if (qt_texte->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qt_texte);
    }
}

}  // namespace flockenlinie
