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
