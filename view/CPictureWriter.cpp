#include "view/CPictureWriter.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace lumora {

QString CPictureWriter::formatFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp")) return QStringLiteral("bmp");
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return QStringLiteral("jpg");
    if (suffix == QLatin1String("png")) return QStringLiteral("png");
    return {};
}

bool CPictureWriter::write(const QImage& image, const QString& path, QString* error) {
    const QString format = formatFor(path);
    auto fail = [&](const QString& reason) {
        if (error) *error = QStringLiteral("画像ファイルを保存できませんでした。\n\n%1\n\n%2").arg(path, reason);
        return false;
    };
    if (format.isEmpty()) return fail(QStringLiteral("拡張子は .bmp、.jpg、.png のどれかにしてください。"));
    if (image.isNull()) return fail(QStringLiteral("保存する画像がありません。"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    QImageWriter writer(&file, format.toLatin1());
    if (!writer.write(image)) {
        file.cancelWriting();
        return fail(writer.errorString());
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

}  // namespace lumora
