#include "app/CFileTypeRegistrar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "app/CUserFolder.h"

namespace lumora {

const CFileTypeRegistrar::FileType CFileTypeRegistrar::kTypes[3] = {
    {".lmfig", "application/x-lumora-figure", "Lumora.ico", "LumoraFree 図形ドキュメント"},
    {".lmfav", "application/x-lumora-favourites", "LumoraO.ico", "LumoraFree お気に入りファイル"},
    {".lmhis", "application/x-lumora-history", "LumoraH.ico", "LumoraFree ヒストリーファイル"},
};

namespace {

bool writeText(const QString& path, const QByteArray& text) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text);
    return file.commit();
}

// Icon themes take PNG pictures; the installed icons are .ico files.
bool writeIconAsPng(const QString& from, const QString& to) {
    const QImage icon(from);
    if (icon.isNull() || !QDir().mkpath(QFileInfo(to).absolutePath())) return false;
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly) || !icon.save(&file, "PNG")) return false;
    return file.commit();
}

QString iconName(const char* mimeType) {
    return QString::fromLatin1(mimeType).replace(QLatin1Char('/'), QLatin1Char('-'));
}

}  // namespace

CFileTypeRegistrar::CFileTypeRegistrar(QString dataHome) : dataHome_(std::move(dataHome)) {}

QString CFileTypeRegistrar::packagePath(const FileType& type) const {
    return dataHome_ + QStringLiteral("/mime/packages/lumorafree-") + QString::fromLatin1(type.extension + 1) +
           QStringLiteral(".xml");
}

QStringList CFileTypeRegistrar::registerAll(const CUserFolder& folder, const QString& programPath) {
    QStringList lines;
    QStringList mimeTypes;
    bool changed = false;
    for (const FileType& type : kTypes) {
        const QString package = packagePath(type);
        const bool existed = QFile::exists(package);
        const char* line = existed ? kExisted : kNewlyCreated;
        std::fputs(line, stdout);
        std::fputs("\n", stdout);
        lines << QString::fromLatin1(line);
        mimeTypes << QString::fromLatin1(type.mimeType);

        const QString icon = iconName(type.mimeType);
        const QByteArray xml = QStringLiteral(
                                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                                   "  <mime-type type=\"%1\">\n"
                                   "    <comment>%2</comment>\n"
                                   "    <icon name=\"%3\"/>\n"
                                   "    <glob pattern=\"*%4\"/>\n"
                                   "  </mime-type>\n"
                                   "</mime-info>\n")
                                   .arg(QString::fromLatin1(type.mimeType), QString::fromUtf8(type.comment), icon,
                                        QString::fromLatin1(type.extension))
                                   .toUtf8();
        QFile old(package);
        const bool same = existed && old.open(QIODevice::ReadOnly) && old.readAll() == xml;
        if (!same && writeText(package, xml)) changed = true;
        writeIconAsPng(folder.file(QString::fromLatin1(type.iconFile)),
                       dataHome_ + QStringLiteral("/icons/hicolor/48x48/mimetypes/") + icon + QStringLiteral(".png"));
    }
    std::fflush(stdout);

    const QByteArray desktop = QStringLiteral(
                                   "[Desktop Entry]\n"
                                   "Type=Application\n"
                                   "Name=LumoraFree\n"
                                   "Comment=カオス図形を描くプログラム\n"
                                   "Exec=\"%1\" %f\n"
                                   "Icon=application-x-lumora-figure\n"
                                   "Terminal=false\n"
                                   "Categories=Graphics;\n"
                                   "MimeType=%2;\n")
                                   .arg(programPath, mimeTypes.join(QLatin1Char(';')))
                                   .toUtf8();
    writeText(dataHome_ + QStringLiteral("/applications/lumorafree.desktop"), desktop);

    // The desktop reads the packages through its cache; refresh it in the
    // background when a package changed, if the tool is there.
    if (changed) {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (!tool.isEmpty()) QProcess::startDetached(tool, {dataHome_ + QStringLiteral("/mime")});
    }
    return lines;
}

}  // namespace lumora
