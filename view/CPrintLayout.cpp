#include "view/CPrintLayout.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace lumora {

QRect CPrintLayout::pictureSquare(const QPrinter& printer) {
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    const long long dpi = std::max(1, printer.resolution());
    // The side in twips, integer arithmetic as the page size demands it.
    const long long shorter = std::min(paper.width(), paper.height());
    const long long sideTwips = shorter * kTwipsPerInch / dpi - 2 * kMarginTwips;
    const int margin = static_cast<int>(kMarginTwips * dpi / kTwipsPerInch);
    int side = static_cast<int>(sideTwips * dpi / kTwipsPerInch);
    side = std::min({side, page.width() - margin, page.height() - margin});
    return {margin, margin, std::max(side, 0), std::max(side, 0)};
}

bool CPrintLayout::print(QPrinter& printer, const QImage& picture) {
    const QRect square = pictureSquare(printer);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Plain stretching: a smoothing filter would grey the thin lines.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(square, picture);
    return painter.end();
}

}  // namespace lumora
