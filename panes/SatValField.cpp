#include "panes/SatValField.h"

#include <QPainter>

#include "engine/ColourModel.h"

namespace lumora {

SatValField::SatValField(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void SatValField::setHsv(int hue, int saturation, int value) {
    if (hue == hue_ && saturation == saturation_ && value == value_) return;
    hue_ = hue;
    saturation_ = saturation;
    value_ = value;
    update();
}

QPoint SatValField::marker() const {
    const int w = width();
    const int h = height();
    return {(saturation_ * w) / 255, h - (h * value_) / 255};
}

void SatValField::rebuild() {
    const int w = width();
    const int h = height();
    picture_ = QImage(w, h, QImage::Format_RGB32);
    for (int k = 0; k < h; ++k) {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(h - 1 - k));
        const int v = (255 * k) / h;
        for (int j = 0; j < w; ++j) {
            const Rgb c = hsvToRgb(hue_, (255 * j) / w, v);
            line[j] = qRgb(c.r & 0xFF, c.g & 0xFF, c.b & 0xFF);
        }
    }
    pictureHue_ = hue_;
}

void SatValField::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0) return;
    if (pictureHue_ != hue_ || picture_.size() != size()) rebuild();
    QPainter p(this);
    p.drawImage(0, 0, picture_);
    // Four small raised bars around the marker, the point itself left free.
    const QPoint m = marker();
    const QRect bars[] = {{m.x() - 2, m.y() - 13, 4, 8},
                          {m.x() - 2, m.y() + 5, 4, 8},
                          {m.x() - 13, m.y() - 2, 8, 4},
                          {m.x() + 5, m.y() - 2, 8, 4}};
    for (const QRect& r : bars) {
        p.fillRect(r, QColor(192, 192, 192));
        p.setPen(Qt::white);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Qt::black);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

}  // namespace lumora
