// LumoraFree: draws chaos figures. One instance per user; a second start
// leaves at once without a word.

#include <QApplication>

#include "app/CLumoraApp.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LumoraFree"));
    QApplication::setOrganizationName(QStringLiteral("PellinoFree105"));
    QGuiApplication::setDesktopFileName(QStringLiteral("lumorafree"));

    lumora::CLumoraApp app(QCoreApplication::applicationFilePath());
    if (!app.takeInstanceLock()) return 0;
    app.start();
    return QApplication::exec();
}
