#include "engine/Canvas.h"

#include <algorithm>

namespace lumora {

Canvas::Canvas() : pixels_(static_cast<std::size_t>(kSide) * kSide, 0xFFFFFFu) {}

void Canvas::fillRows(int y0, int y1, int x0, int x1, Colour c) {
    for (int y = y0; y <= y1; ++y) std::fill(row(y) + x0, row(y) + x1 + 1, c);
}

void Canvas::fill(Colour c) {
    if (c == fillColour_) {
        if (dirtyX0_ <= dirtyX1_) fillRows(dirtyY0_, dirtyY1_, dirtyX0_, dirtyX1_, c);
    } else {
        std::fill(pixels_.begin(), pixels_.end(), c);
        fillColour_ = c;
    }
    dirtyX0_ = dirtyY0_ = kSide;
    dirtyX1_ = dirtyY1_ = -1;
}

}  // namespace lumora
