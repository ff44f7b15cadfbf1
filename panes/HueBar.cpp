#include "panes/HueBar.h"

#include <QPainter>
#include <vector>

#include "engine/ColourModel.h"

namespace lumora {

HueBar::HueBar(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void HueBar::paintEvent(QPaintEvent*) {
    const int h = height();
    if (h <= 0) return;
    if (strip_.height() != h) {
        std::vector<Colour> hues(static_cast<std::size_t>(h));
        hueStrip(h, hues.data());
        strip_ = QImage(1, h, QImage::Format_RGB32);
        for (int i = 0; i < h; ++i) {
            const Colour c = hues[static_cast<std::size_t>(i)];
            strip_.setPixel(0, i, qRgb(redOf(c), greenOf(c), blueOf(c)));
        }
    }
    QPainter p(this);
    p.drawImage(rect(), strip_);
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace lumora
