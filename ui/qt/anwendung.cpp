#include "anwendung.hpp"

#include <QApplication>
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

    QIcon symbol;
    symbol.addFile(QStringLiteral(":/symbol/flockenlinie-16.png"), QSize(16, 16));
    symbol.addFile(QStringLiteral(":/symbol/flockenlinie-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(symbol);

    auto* qt_texte = new QTranslator(&app);
    if (qt_texte->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qt_texte);
    }
}

}  // namespace flockenlinie
