#include "collections/CollectionPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace lumora {

namespace {

QPixmap blank(int w, int h) {
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    return p;
}

void drawFolder(QPainter& g) {
    g.setPen(QColor(0x80, 0x60, 0x10));
    g.setBrush(QColor(0xF0, 0xC8, 0x50));
    g.drawRect(1, 3, 13, 10);
    g.setBrush(QColor(0xFF, 0xE0, 0x80));
    g.drawPolygon(QPolygonF({QPointF(1, 13), QPointF(4, 6), QPointF(15, 6), QPointF(13, 13)}));
}

void drawPage(QPainter& g) {
    g.setPen(QColor(0x50, 0x50, 0x50));
    g.setBrush(Qt::white);
    g.drawPolygon(QPolygonF({QPointF(3, 1), QPointF(10, 1), QPointF(13, 4), QPointF(13, 14), QPointF(3, 14)}));
    g.drawLine(10, 1, 10, 4);
    g.drawLine(10, 4, 13, 4);
}

void drawPlus(QPainter& g, int x, int y) {
    g.setPen(QPen(QColor(0x10, 0x80, 0x10), 2));
    g.drawLine(x - 2, y, x + 2, y);
    g.drawLine(x, y - 2, x, y + 2);
}

// One or two filled triangles pointing left or right.
QIcon arrows(bool right, int count) {
    QPixmap p = blank(16, 16);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x20, 0x50, 0xA0));
    const double w = count == 1 ? 8 : 6;
    const double start = count == 1 ? 4 : 2;
    for (int i = 0; i < count; ++i) {
        const double x0 = start + i * w;
        const double x1 = x0 + w;
        if (right)
            g.drawPolygon(QPolygonF({QPointF(x0, 3), QPointF(x1, 8), QPointF(x0, 13)}));
        else
            g.drawPolygon(QPolygonF({QPointF(x1, 3), QPointF(x0, 8), QPointF(x1, 13)}));
    }
    return QIcon(p);
}

}  // namespace

QPixmap folderPicture() {
    QPixmap p = blank(16, 15);
    QPainter g(&p);
    drawFolder(g);
    return p;
}

QPixmap pagePicture() {
    QPixmap p = blank(16, 15);
    QPainter g(&p);
    drawPage(g);
    return p;
}

QIcon favouritesIcon(int picture) { return QIcon(picture == 0 ? folderPicture() : pagePicture()); }

QIcon newFolderIcon() {
    QPixmap p = blank(16, 15);
    QPainter g(&p);
    drawFolder(g);
    drawPlus(g, 12, 3);
    return QIcon(p);
}

QIcon newFavouriteIcon() {
    QPixmap p = blank(16, 15);
    QPainter g(&p);
    drawPage(g);
    drawPlus(g, 6, 8);
    drawPlus(g, 11, 11);
    return QIcon(p);
}

QIcon newerPageIcon() { return arrows(false, 2); }
QIcon olderPageIcon() { return arrows(true, 2); }
QIcon stepForwardIcon() { return arrows(false, 1); }
QIcon stepBackIcon() { return arrows(true, 1); }

}  // namespace lumora
