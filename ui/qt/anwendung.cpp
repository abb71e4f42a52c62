#include "anwendung.hpp"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace flockenlinie {

void anwendung_einrichten(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Flockenlinie"));
    QApplication::setApplicationDisplayName(QStringLiteral("Flockenlinie"));
    QApplication::setApplicationVersion(QStringLiteral(FLOCKENLINIE_VERSION));

    // Every size the desktop may ask for, so that the title bar, task bar and
    // Alt+Tab stay sharp at any scaling; on Wayland the desktop entry's icon.
    QIcon symbol;
    for (int groesse : {16, 24, 32, 48, 64, 128, 256}) {
        symbol.addFile(QStringLiteral(":/symbol/flockenlinie-%1.png").arg(groesse), QSize(groesse, groesse));
    }
    QApplication::setWindowIcon(symbol);
    QGuiApplication::setDesktopFileName(QStringLiteral("flockenlinie"));

    auto* qt_texte = new QTranslator(&app);
    if (qt_texte->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qt_texte);
    }
}

}  // namespace flockenlinie
