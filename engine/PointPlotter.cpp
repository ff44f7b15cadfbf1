#include "engine/PointPlotter.h"

#include <algorithm>
#include <limits>

namespace lumora {
namespace {

constexpr std::int64_t kSide = Canvas::kSide;
constexpr std::uint8_t kFar = 255;

bool covered(std::int64_t dx2, std::int64_t dy2, std::int64_t reach2) {
    return dx2 * dx2 + dy2 * dy2 <= reach2 * reach2;
}

}  // namespace

std::vector<PointPlotter::Span> PointPlotter::discSpans(int penWidth) {
    const int size = penWidth + 1;
    const int reach = size + penWidth;
    std::vector<Span> spans;
    for (int dy = -penWidth - 1; dy <= size + penWidth + 1; ++dy) {
        int lo = std::numeric_limits<int>::max();
        int hi = std::numeric_limits<int>::min();
        for (int dx = -penWidth - 1; dx <= size + penWidth + 1; ++dx) {
            if (covered(2 * dx + 1 - size, 2 * dy + 1 - size, reach)) {
                lo = std::min(lo, dx);
                hi = std::max(hi, dx);
            }
        }
        if (lo <= hi) spans.push_back({dy, lo, hi});
    }
    return spans;
}

void PointPlotter::prepare(int penWidth) {
    if (penWidth == width_) return;
    width_ = penWidth;
    spans_ = discSpans(penWidth);
    dyMin_ = spans_.front().dy;
    dyMax_ = spans_.back().dy;
    dxMin_ = std::numeric_limits<int>::max();
    dxMax_ = std::numeric_limits<int>::min();
    for (const Span& s : spans_) {
        dxMin_ = std::min(dxMin_, s.dx0);
        dxMax_ = std::max(dxMax_, s.dx1);
    }
    const int size = penWidth + 1;
    const int reach = size + penWidth;
    reachLo_.assign(kFar + 1, 0);
    reachHi_.assign(kFar + 1, -1);
    for (int d = 0; d <= reach && d < kFar; ++d) {
        int lo = std::numeric_limits<int>::max();
        int hi = std::numeric_limits<int>::min();
        for (int dx = dxMin_; dx <= dxMax_; ++dx) {
            if (covered(2 * dx + 1 - size, d, reach)) {
                lo = std::min(lo, dx);
                hi = std::max(hi, dx);
            }
        }
        if (lo <= hi) {
            reachLo_[static_cast<std::size_t>(d)] = lo;
            reachHi_[static_cast<std::size_t>(d)] = hi;
        }
    }
}

void PointPlotter::plot(Canvas& canvas, const std::int32_t* xs, const std::int32_t* ys, const Colour* colours,
                        Colour solid, int count, bool reversed, int penWidth) {
    if (count <= 0) return;
    // A pen width the panes cannot produce still gets a sane disc.
    penWidth = std::clamp(penWidth, 1, 100);
    prepare(penWidth);
    Method m = method_;
    if (m == Method::Auto) m = (colours == nullptr && penWidth >= 6) ? Method::Dilation : Method::Spans;
    if (m == Method::Dilation && colours == nullptr) {
        plotDilation(canvas, xs, ys, solid, count);
    } else {
        plotSpans(canvas, xs, ys, colours, solid, count, reversed);
    }
}

void PointPlotter::plotSpans(Canvas& canvas, const std::int32_t* xs, const std::int32_t* ys, const Colour* colours,
                             Colour solid, int count, bool reversed) {
    std::int64_t bx0 = kSide, by0 = kSide, bx1 = -1, by1 = -1;
    for (int n = 0; n < count; ++n) {
        const int k = reversed ? count - 1 - n : n;
        const std::int64_t x = xs[k];
        const std::int64_t y = ys[k];
        if (x + dxMax_ < 0 || x + dxMin_ >= kSide || y + dyMax_ < 0 || y + dyMin_ >= kSide) continue;
        const Colour c = colours ? colours[k] : solid;
        for (const Span& s : spans_) {
            const std::int64_t py = y + s.dy;
            if (py < 0 || py >= kSide) continue;
            const std::int64_t px0 = std::max<std::int64_t>(0, x + s.dx0);
            const std::int64_t px1 = std::min<std::int64_t>(kSide - 1, x + s.dx1);
            if (px0 > px1) continue;
            canvas.span(static_cast<int>(py), static_cast<int>(px0), static_cast<int>(px1), c);
            bx0 = std::min(bx0, px0);
            bx1 = std::max(bx1, px1);
            by0 = std::min(by0, py);
            by1 = std::max(by1, py);
        }
    }
    if (bx0 <= bx1)
        canvas.markDirty(static_cast<int>(bx0), static_cast<int>(by0), static_cast<int>(bx1), static_cast<int>(by1));
}

// The union of equal discs is a dilation of the set of centres. Pass 1 keeps,
// per centre column and canvas row, the smallest vertical distance term to a
// centre in that column; pass 2 turns each such term into the horizontal
// reach of the disc on that row and fills the union of the reaches once.
// Each pixel is written once, however many discs overlap it.
void PointPlotter::plotDilation(Canvas& canvas, const std::int32_t* xs, const std::int32_t* ys, Colour solid,
                                int count) {
    const int size = width_ + 1;
    std::int64_t qx0 = std::numeric_limits<std::int64_t>::max(), qx1 = std::numeric_limits<std::int64_t>::min();
    std::int64_t qy0 = qx0, qy1 = qx1;
    auto reachesCanvas = [&](std::int64_t x, std::int64_t y) {
        return !(x + dxMax_ < 0 || x + dxMin_ >= kSide || y + dyMax_ < 0 || y + dyMin_ >= kSide);
    };
    for (int k = 0; k < count; ++k) {
        if (!reachesCanvas(xs[k], ys[k])) continue;
        qx0 = std::min<std::int64_t>(qx0, xs[k]);
        qx1 = std::max<std::int64_t>(qx1, xs[k]);
        qy0 = std::min<std::int64_t>(qy0, ys[k]);
        qy1 = std::max<std::int64_t>(qy1, ys[k]);
    }
    if (qx0 > qx1) return;
    const std::int64_t Y0 = std::max<std::int64_t>(0, qy0 + dyMin_);
    const std::int64_t Y1 = std::min<std::int64_t>(kSide - 1, qy1 + dyMax_);
    const std::int64_t cols = qx1 - qx0 + 1;
    const std::int64_t rows = Y1 - Y0 + 1;
    const std::size_t cells = static_cast<std::size_t>(cols * rows);
    if (grid_.size() < cells) grid_.resize(cells);
    std::fill(grid_.begin(), grid_.begin() + static_cast<std::ptrdiff_t>(cells), kFar);

    // Pass 1: vertical terms |2dy + 1 - size| per centre column.
    for (int k = 0; k < count; ++k) {
        const std::int64_t x = xs[k];
        const std::int64_t y = ys[k];
        if (!reachesCanvas(x, y)) continue;
        std::uint8_t* col = grid_.data() + static_cast<std::size_t>((x - qx0) * rows);
        const std::int64_t dyLo = std::max<std::int64_t>(dyMin_, Y0 - y);
        const std::int64_t dyHi = std::min<std::int64_t>(dyMax_, Y1 - y);
        for (std::int64_t dy = dyLo; dy <= dyHi; ++dy) {
            std::int64_t t = 2 * dy + 1 - size;
            if (t < 0) t = -t;
            std::uint8_t& cell = col[y + dy - Y0];
            if (t < cell) cell = static_cast<std::uint8_t>(t);
        }
    }

    // Pass 2: per canvas row, the union of horizontal reaches via a difference array.
    const std::int64_t pxLo = std::max<std::int64_t>(0, qx0 + dxMin_);
    const std::int64_t pxHi = std::min<std::int64_t>(kSide - 1, qx1 + dxMax_);
    diff_.assign(static_cast<std::size_t>(pxHi - pxLo + 2), 0);
    for (std::int64_t Y = Y0; Y <= Y1; ++Y) {
        const std::uint8_t* cell = grid_.data() + static_cast<std::size_t>(Y - Y0);
        bool any = false;
        for (std::int64_t c = 0; c < cols; ++c, cell += rows) {
            const std::uint8_t d = *cell;
            if (d == kFar) continue;
            const int lo = reachLo_[d];
            const int hi = reachHi_[d];
            if (lo > hi) continue;
            const std::int64_t a = std::max(pxLo, qx0 + c + lo);
            const std::int64_t b = std::min(pxHi, qx0 + c + hi);
            if (a > b) continue;
            ++diff_[static_cast<std::size_t>(a - pxLo)];
            --diff_[static_cast<std::size_t>(b - pxLo + 1)];
            any = true;
        }
        if (!any) continue;
        Colour* row = canvas.row(static_cast<int>(Y));
        std::int32_t depth = 0;
        for (std::int64_t px = pxLo; px <= pxHi + 1; ++px) {
            std::int32_t& dv = diff_[static_cast<std::size_t>(px - pxLo)];
            depth += dv;
            dv = 0;
            if (depth > 0 && px <= pxHi) row[px] = solid;
        }
    }
    canvas.markDirty(static_cast<int>(pxLo), static_cast<int>(Y0), static_cast<int>(pxHi), static_cast<int>(Y1));
}

}  // namespace lumora
