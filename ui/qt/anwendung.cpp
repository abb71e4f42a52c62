// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anwendung.hpp"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include "ansage.hpp"
#include "meldung.hpp"

namespace flockenlinie {

namespace {

// The main window is a window for screen readers. By class name: Qt may ask
// for an object's interface before its object name is set, and keeps the
// first answer.
QAccessibleInterface* fenster_zugang(const QString& klasse, QObject* objekt) {
    return klasse == QLatin1String("flockenlinie::FrmFlockenlinie")
               ? new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Window)
               : nullptr;
}

}  // namespace

void anwendung_einrichten(QApplication& app) {
    // No display name: Qt would append it to every window title, and a
    // message box's title is "Achtung!" alone.
    QApplication::setApplicationName(QStringLiteral("Flockenlinie"));
    QApplication::setApplicationVersion(QStringLiteral(FLOCKENLINIE_VERSION));
    for (auto* zugang : {fenster_zugang, ansage_zugang}) QAccessible::installFactory(zugang);
    meldung_zugang_einrichten();

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

// Where no locale is set (the C or POSIX locale of minimal systems and bare
// terminals) numbers are written as the window's language writes them.
Zahlformat zahlformat_aus(const QLocale& locale) {
    const QLocale l = locale.language() == QLocale::C ? QLocale(QLocale::German, QLocale::Germany) : locale;
    return {l.decimalPoint().toStdString(), l.groupSeparator().toStdString()};
}

}  // namespace flockenlinie
