#include "app/CToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "app/CInstalledPictures.h"

namespace lumora {
namespace {

constexpr double kPi = 3.141592653589793;

QPainterPath rose(QPointF c, double r) {
    QPainterPath path;
    for (int i = 0; i <= 180; ++i) {
        const double t = i * 2.0 * kPi / 180.0;
        const double rr = r * std::cos(2.0 * t);
        const QPointF p(c.x() + rr * std::cos(t), c.y() + rr * std::sin(t));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.6));
    p.setBrush(QColor(0xDD, 0xEE, 0xFF));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(QColor(0x60, 0x40, 0x20), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 13.5));
    p.setPen(QPen(QColor(0x10, 0x30, 0x90), 1.6));
    p.drawLine(QPointF(3.8, 6), QPointF(8.2, 6));
    if (plus) p.drawLine(QPointF(6, 3.8), QPointF(6, 8.2));
}

void arrow(QPainter& p, bool right) {
    QPainterPath a;
    if (right) {
        a.moveTo(2, 5.5);
        a.lineTo(8, 5.5);
        a.lineTo(8, 2);
        a.lineTo(14, 7.5);
        a.lineTo(8, 13);
        a.lineTo(8, 9.5);
        a.lineTo(2, 9.5);
    } else {
        a.moveTo(14, 5.5);
        a.lineTo(8, 5.5);
        a.lineTo(8, 2);
        a.lineTo(2, 7.5);
        a.lineTo(8, 13);
        a.lineTo(8, 9.5);
        a.lineTo(14, 9.5);
    }
    a.closeSubpath();
    p.setPen(QPen(QColor(0x20, 0x50, 0x20), 1));
    p.setBrush(QColor(0x50, 0xB0, 0x50));
    p.drawPath(a);
}

void paintGlyph(QPainter& p, int id) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x1F, 0x4F, 0xA8);
    switch (id) {
        case 11901:    // enlarge
        case 11902:    // shrink
        case 11903: {  // standard size
            p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(0.5, 0.5, 15, 14));
            const double r = id == 11901 ? 7.0 : id == 11902 ? 3.2 : 5.0;
            p.setPen(QPen(ink, 1.3));
            p.setBrush(Qt::NoBrush);
            p.drawPath(rose(QPointF(8, 7.5), r));
            break;
        }
        case 10011:
            magnifier(p, true);
            break;
        case 10012:
            magnifier(p, false);
            break;
        case 11602:  // centre
            p.setPen(QPen(QColor(0xB0, 0x20, 0x20), 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(3, 2.5, 10, 10));
            p.drawLine(QPointF(8, 0.5), QPointF(8, 14.5));
            p.drawLine(QPointF(1, 7.5), QPointF(15, 7.5));
            break;
        case 11807:
            arrow(p, true);
            break;
        case 11806:
            arrow(p, false);
            break;
        case 10030: {  // draw
            p.setPen(QPen(ink, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawPath(rose(QPointF(8, 7.5), 6.5));
            break;
        }
        case 10031: {  // draw random: a die
            p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
            p.setBrush(QColor(0xFF, 0xF4, 0xE0));
            p.drawRoundedRect(QRectF(1.5, 1, 13, 13), 2.5, 2.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xC0, 0x20, 0x20));
            for (QPointF c : {QPointF(4.8, 4.3), QPointF(8, 7.5), QPointF(11.2, 10.7)}) p.drawEllipse(c, 1.5, 1.5);
            break;
        }
        default:
            break;
    }
}

bool hasGlyph(int id) {
    switch (id) {
        case 11901:
        case 11902:
        case 11903:
        case 10011:
        case 10012:
        case 11602:
        case 11807:
        case 11806:
        case 10030:
        case 10031:
            return true;
        default:
            return false;
    }
}

}  // namespace

QIcon CToolbarIcons::icon(int commandId) {
    if (!hasGlyph(commandId)) return {};
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(16 * scale, 15 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.scale(scale, scale);
        paintGlyph(p, commandId);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon CToolbarIcons::programIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(CInstalledPictures::fileIcon(CInstalledPictures::FileType::Figure, side)));
    return icon;
}

}  // namespace lumora
