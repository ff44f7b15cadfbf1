#include "panes/ColourPreviewBar.h"

#include <QPainter>

namespace lumora {

ColourPreviewBar::ColourPreviewBar(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void ColourPreviewBar::setTable(const std::array<Colour, ColourRun::kLength>& table) {
    table_ = table;
    rebuild();
    update();
}

Colour ColourPreviewBar::colourAt(int x) const {
    const int n = contentsRect().width();
    if (n <= 0 || x < 0 || x >= n) return 0;
    const int j = n - 1 - x;
    return table_[static_cast<std::size_t>((j * ColourRun::kLength) / n)];
}

void ColourPreviewBar::rebuild() {
    const int n = contentsRect().width();
    if (n <= 0) {
        columns_ = QImage();
        return;
    }
    columns_ = QImage(n, 1, QImage::Format_RGB32);
    for (int x = 0; x < n; ++x) {
        const Colour c = colourAt(x);
        columns_.setPixel(x, 0, qRgb(redOf(c), greenOf(c), blueOf(c)));
    }
}

void ColourPreviewBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    rebuild();
}

void ColourPreviewBar::paintEvent(QPaintEvent* event) {
    if (!columns_.isNull()) {
        QPainter p(this);
        p.drawImage(contentsRect(), columns_);
    }
    QFrame::paintEvent(event);
}

}  // namespace lumora
