#include "app/CInstalledFiles.h"

#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include "app/CInstalledPictures.h"
#include "app/CUserFolder.h"

namespace lumora {
namespace {

bool writeImage(const QString& path, const QImage& image, const char* format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool copyResource(const QString& path, const QString& resource) {
    QFile in(resource);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(in.readAll());
    return out.commit();
}

bool writeIcon(const QString& path, CInstalledPictures::FileType type) {
    const QImage icon = CInstalledPictures::fileIcon(type, 48);
    // Without the ico encoder the same picture goes in as PNG, which the
    // desktop reads just as well.
    if (writeImage(path, icon, "ico")) return true;
    return writeImage(path, icon, "png");
}

}  // namespace

QStringList CInstalledFiles::names() {
    return {QStringLiteral("LumoraHelp001.html"), QStringLiteral("Lumora.ico"),   QStringLiteral("LumoraO.ico"),
            QStringLiteral("LumoraH.ico"),        QStringLiteral("radioon2.png"), QStringLiteral("radiooff2.png"),
            QStringLiteral("sankaku4.png")};
}

QStringList CInstalledFiles::installMissing(const CUserFolder& folder) {
    QStringList written;
    for (const QString& name : names()) {
        const QString path = folder.file(name);
        if (QFile::exists(path)) continue;
        bool ok = false;
        if (name == QLatin1String("LumoraHelp001.html")) {
            ok = copyResource(path, QStringLiteral(":/lumora/LumoraHelp001.html"));
        } else if (name == QLatin1String("Lumora.ico")) {
            ok = writeIcon(path, CInstalledPictures::FileType::Figure);
        } else if (name == QLatin1String("LumoraO.ico")) {
            ok = writeIcon(path, CInstalledPictures::FileType::Favourites);
        } else if (name == QLatin1String("LumoraH.ico")) {
            ok = writeIcon(path, CInstalledPictures::FileType::History);
        } else if (name == QLatin1String("radioon2.png")) {
            ok = writeImage(path, CInstalledPictures::radioOn(), "png");
        } else if (name == QLatin1String("radiooff2.png")) {
            ok = writeImage(path, CInstalledPictures::radioOff(), "png");
        } else if (name == QLatin1String("sankaku4.png")) {
            ok = writeImage(path, CInstalledPictures::huePointer(), "png");
        }
        if (ok) written << name;
    }
    return written;
}

}  // namespace lumora
