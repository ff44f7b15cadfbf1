#include "panes/HuePointer.h"

#include <QPainter>
#include <utility>

namespace lumora {

HuePointer::HuePointer(QImage picture, int margin, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)), margin_(margin) {}

void HuePointer::setHue(int hue, int barHeight) {
    const int row = (hue * barHeight) / 360;
    if (row == tipRow_) return;
    tipRow_ = row;
    update();
}

void HuePointer::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The picture's tip is the middle of its left edge.
    const int side = 2 * margin_;
    const QRect target(0, tipRow_, side, side);
    p.drawImage(target, picture_);
}

}  // namespace lumora
