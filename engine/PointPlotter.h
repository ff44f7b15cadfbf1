#pragma once
// Plots a figure's points as discs on the canvas.
//
// Coverage rule (one rule for every path): a point plotted at (x, y) with pen
// width w is the disc of the bounding square (x, y)-(x + size, y + size),
// size = w + 1, with an outline of width w centred on its edge. Pixel (px, py)
// is covered when its centre lies within (size + w) / 2 of the disc centre:
//     (2px + 1 - 2x - size)^2 + (2py + 1 - 2y - size)^2 <= (size + w)^2
// in exact integer arithmetic. Pen width 1 gives exactly the 2 x 2 dot
// (x, y)-(x + 1, y + 1); wider pens grow about w / 2 beyond the square.
// Points far off the canvas (even at -2147483648) are clipped in 64 bits.

#include <cstdint>
#include <vector>

#include "engine/Canvas.h"

namespace lumora {

class PointPlotter {
public:
    enum class Method {
        Auto,      // the fastest path that gives the same pixels
        Spans,     // every disc drawn in order
        Dilation,  // one colour: the union of all discs at once
    };

    // Draws count points in order (from the last to the first when reversed).
    // colours == nullptr draws every point in `solid`; then the order does
    // not matter and wide pens take the dilation path.
    void plot(Canvas& canvas, const std::int32_t* xs, const std::int32_t* ys, const Colour* colours, Colour solid,
              int count, bool reversed, int penWidth);

    void setMethod(Method m) { method_ = m; }

    struct Span {
        int dy;
        int dx0;
        int dx1;
    };
    // The disc of one point as row spans relative to (x, y).
    static std::vector<Span> discSpans(int penWidth);

private:
    void prepare(int penWidth);
    void plotSpans(Canvas& canvas, const std::int32_t* xs, const std::int32_t* ys, const Colour* colours, Colour solid,
                   int count, bool reversed);
    void plotDilation(Canvas& canvas, const std::int32_t* xs, const std::int32_t* ys, Colour solid, int count);

    Method method_ = Method::Auto;
    int width_ = -1;
    std::vector<Span> spans_;
    int dyMin_ = 0, dyMax_ = 0, dxMin_ = 0, dxMax_ = 0;
    // Dilation: per vertical distance term d (doubled units), the horizontal
    // reach of the disc on that row; reachLo_ > reachHi_ means none.
    std::vector<int> reachLo_, reachHi_;
    std::vector<std::uint8_t> grid_;  // column-major nearest-centre terms, allocated once
    std::vector<std::int32_t> diff_;
};

}  // namespace lumora
