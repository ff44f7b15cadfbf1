#include "panes/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace lumora {
namespace {

// Draws the picture on a 16 x 16 grid, rendered at 1x, 2x and 3x.
QIcon paintedIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pm(16 * scale, 16 * scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

void magnifier(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1.6));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(QRectF(1.5, 1.5, 9.5, 9.5));
    p.setPen(QPen(QColor(90, 60, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.0, 10.0), QPointF(14.5, 14.5));
}

void arrowHead(QPainter& p, QPointF tip, QPointF back1, QPointF back2) {
    QPainterPath path(tip);
    path.lineTo(back1);
    path.lineTo(back2);
    path.closeSubpath();
    p.fillPath(path, QColor(30, 80, 160));
}

}  // namespace

QIcon zoomInIcon() {
    return paintedIcon([](QPainter& p) {
        magnifier(p);
        p.setPen(QPen(QColor(20, 20, 20), 1.4));
        p.drawLine(QPointF(3.8, 6.25), QPointF(8.7, 6.25));
        p.drawLine(QPointF(6.25, 3.8), QPointF(6.25, 8.7));
    });
}

QIcon zoomOutIcon() {
    return paintedIcon([](QPainter& p) {
        magnifier(p);
        p.setPen(QPen(QColor(20, 20, 20), 1.4));
        p.drawLine(QPointF(3.8, 6.25), QPointF(8.7, 6.25));
    });
}

QIcon centreIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(200, 40, 40), 1.4));
        p.drawLine(QPointF(8, 3.5), QPointF(8, 12.5));
        p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
        p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
    });
}

QIcon enlargeIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.drawRect(QRectF(5.5, 5.5, 5, 5));
        p.setPen(QPen(QColor(30, 80, 160), 1.4));
        p.drawLine(QPointF(4.5, 4.5), QPointF(2.5, 2.5));
        p.drawLine(QPointF(11.5, 11.5), QPointF(13.5, 13.5));
        arrowHead(p, {0.5, 0.5}, {5.0, 1.0}, {1.0, 5.0});
        arrowHead(p, {15.5, 15.5}, {11.0, 15.0}, {15.0, 11.0});
    });
}

QIcon shrinkIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(30, 80, 160), 1.4));
        p.drawLine(QPointF(3.0, 3.0), QPointF(5.0, 5.0));
        p.drawLine(QPointF(13.0, 13.0), QPointF(11.0, 11.0));
        arrowHead(p, {7.0, 7.0}, {2.5, 6.5}, {6.5, 2.5});
        arrowHead(p, {9.0, 9.0}, {13.5, 9.5}, {9.5, 13.5});
    });
}

QIcon standardSizeIcon() {
    return paintedIcon([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        QFont f = p.font();
        f.setPixelSize(7);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRectF(1.5, 3.5, 13, 9), Qt::AlignCenter, QStringLiteral("1:1"));
    });
}

}  // namespace lumora
