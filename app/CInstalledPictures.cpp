#include "app/CInstalledPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace lumora {
namespace {

QImage transparent(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A rose curve stands for a figure: every type's icon carries one.
QPainterPath orbit(double cx, double cy, double r) {
    QPainterPath path;
    for (int i = 0; i <= 360; ++i) {
        const double t = i * 3.141592653589793 / 180.0;
        const double rr = r * std::cos(3.0 * t);
        const QPointF p(cx + rr * std::cos(t), cy + rr * std::sin(t));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void radioRing(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.2));
    p.setBrush(QColor(0xFA, 0xFA, 0xFA));
    p.drawEllipse(QRectF(2.5, 2.5, 14, 14));
}

}  // namespace

QImage CInstalledPictures::fileIcon(FileType type, int side) {
    QImage image = transparent(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = side;
    QColor tile;
    switch (type) {
        case FileType::Figure:
            tile = QColor(0x1F, 0x5F, 0xBF);
            break;
        case FileType::Favourites:
            tile = QColor(0xD8, 0x8A, 0x10);
            break;
        case FileType::History:
            tile = QColor(0x2E, 0x8B, 0x57);
            break;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.16, s * 0.16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, std::max(1.0, s / 24.0)));
    p.drawPath(orbit(s * 0.5, s * 0.5, s * 0.38));
    if (type == FileType::Favourites) {
        QPainterPath star;
        for (int k = 0; k < 10; ++k) {
            const double a = -3.141592653589793 / 2 + k * 3.141592653589793 / 5;
            const double r = (k % 2 == 0) ? s * 0.2 : s * 0.08;
            const QPointF q(s * 0.74 + r * std::cos(a), s * 0.28 + r * std::sin(a));
            if (k == 0)
                star.moveTo(q);
            else
                star.lineTo(q);
        }
        star.closeSubpath();
        p.setPen(QPen(QColor(0x80, 0x40, 0x00), std::max(1.0, s / 48.0)));
        p.setBrush(QColor(0xFF, 0xE0, 0x40));
        p.drawPath(star);
    } else if (type == FileType::History) {
        const QRectF clock(s * 0.56, s * 0.08, s * 0.36, s * 0.36);
        p.setPen(QPen(QColor(0x10, 0x40, 0x20), std::max(1.0, s / 48.0)));
        p.setBrush(Qt::white);
        p.drawEllipse(clock);
        p.drawLine(clock.center(), clock.center() + QPointF(0, -s * 0.13));
        p.drawLine(clock.center(), clock.center() + QPointF(s * 0.1, 0));
    }
    return image;
}

QImage CInstalledPictures::radioOn() {
    QImage image = transparent(19, 19);
    QPainter p(&image);
    radioRing(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawEllipse(QRectF(6, 6, 7, 7));
    return image;
}

QImage CInstalledPictures::radioOff() {
    QImage image = transparent(19, 19);
    QPainter p(&image);
    radioRing(p);
    return image;
}

QImage CInstalledPictures::huePointer() {
    QImage image = transparent(100, 100);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(1, 1);
    tri.lineTo(11, 6);
    tri.lineTo(1, 11);
    tri.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPath(tri);
    return image;
}

}  // namespace lumora
