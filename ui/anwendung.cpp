#include "anwendung.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace flockenlinie {

void anwendung_einrichten(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Flockenlinie"));
    QApplication::setApplicationDisplayName(QStringLiteral("Flockenlinie"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    auto* qt_texte = new QTranslator(&app);
    if (qt_texte->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qt_texte);
    }
}

}  // namespace flockenlinie
