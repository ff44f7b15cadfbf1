#pragma once
// The 6000 x 6000 raster Draw paints into, 32 bits per pixel in the colour
// layout 0x00BBGGRR, origin top left, y downward.

#include <cstdint>
#include <vector>

#include "engine/ColourModel.h"

namespace lumora {

class Canvas {
public:
    static constexpr int kSide = 6000;

    Canvas();  // allocated once, filled white

    Colour* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * kSide; }
    const Colour* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * kSide; }
    const Colour* data() const { return pixels_.data(); }
    Colour pixel(int x, int y) const { return row(y)[x]; }

    // Fills the whole canvas with c. When the canvas was last filled with the
    // same colour, only the rows and columns drawn on since are refilled: the
    // result is the same, pixel for pixel, at a fraction of the cost.
    void fill(Colour c);
    // The colour of the last fill (pixels outside the drawn area hold it).
    Colour fillColour() const { return fillColour_; }

    // Fills row y from x0 to x1 inclusive; the caller has clipped both to the canvas.
    void span(int y, int x0, int x1, Colour c) {
        Colour* p = row(y);
        for (int x = x0; x <= x1; ++x) p[x] = c;
    }
    // Widens the area that the next fill has to clean (clipped coordinates).
    void markDirty(int x0, int y0, int x1, int y1) {
        if (x0 < dirtyX0_) dirtyX0_ = x0;
        if (y0 < dirtyY0_) dirtyY0_ = y0;
        if (x1 > dirtyX1_) dirtyX1_ = x1;
        if (y1 > dirtyY1_) dirtyY1_ = y1;
    }

private:
    void fillRows(int y0, int y1, int x0, int x1, Colour c);
    std::vector<Colour> pixels_;
    Colour fillColour_ = 0xFFFFFF;
    int dirtyX0_ = kSide, dirtyY0_ = kSide, dirtyX1_ = -1, dirtyY1_ = -1;  // empty
};

}  // namespace lumora
