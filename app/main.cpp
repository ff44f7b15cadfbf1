// LumoraFree: draws chaos figures. One instance per user; a second start
// leaves at once without a word.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/CLumoraApp.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LumoraFree"));
    QApplication::setOrganizationName(QStringLiteral("PellinoFree105"));
    QGuiApplication::setDesktopFileName(QStringLiteral("lumorafree"));
    // The interface is Japanese whatever the system's language, so Qt's own
    // dialogs (files, printing, colours) speak Japanese too, where the
    // translations are installed.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    QTranslator qtTexts;
    if (qtTexts.load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    lumora::CLumoraApp app(QCoreApplication::applicationFilePath());
    if (!app.takeInstanceLock()) return 0;
    app.start();
    return QApplication::exec();
}
