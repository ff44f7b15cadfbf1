#include "panes/PanePictures.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace lumora {
namespace {

QImage loadOr(const QString& folder, const char* file, QImage (*fallback)()) {
    if (!folder.isEmpty()) {
        QImage img(QDir(folder).filePath(QString::fromLatin1(file)));
        if (!img.isNull()) return img;
    }
    return fallback();
}

QImage radioOn() { return drawRadioPicture(true); }
QImage radioOff() { return drawRadioPicture(false); }

}  // namespace

QImage radioPicture(const QString& folder, bool on) {
    return loadOr(folder, on ? kRadioOnFile : kRadioOffFile, on ? &radioOn : &radioOff);
}

QImage huePointerPicture(const QString& folder) { return loadOr(folder, kHuePointerFile, &drawHuePointerPicture); }

QImage drawRadioPicture(bool on) {
    QImage img(40, 40, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(QPointF(16, 14), 22);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(215, 220, 228));
    p.setPen(QPen(QColor(90, 100, 115), 2.5));
    p.setBrush(face);
    p.drawEllipse(QRectF(4, 4, 32, 32));
    if (on) {
        QRadialGradient dot(QPointF(17, 17), 11);
        dot.setColorAt(0, QColor(90, 170, 255));
        dot.setColorAt(1, QColor(10, 70, 170));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(QRectF(12, 12, 16, 16));
    }
    return img;
}

QImage drawHuePointerPicture() {
    QImage img(40, 40, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri(QPointF(2, 20));
    tri.lineTo(QPointF(30, 6));
    tri.lineTo(QPointF(30, 34));
    tri.closeSubpath();
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(tri);
    return img;
}

}  // namespace lumora
