#include "view/ScreenReduction.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "engine/PictureScale.h"

namespace lumora {
namespace {

// Sum of the channel differences; the same on 0x00BBGGRR as on 0xFFRRGGBB.
inline int distance(std::uint32_t a, std::uint32_t b) {
    const int d0 = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    const int d1 = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int d2 = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    return (d0 < 0 ? -d0 : d0) + (d1 < 0 ? -d1 : d1) + (d2 < 0 ? -d2 : d2);
}

}  // namespace

DrawnArea drawnAreaOf(const std::int32_t* x, const std::int32_t* y, int count, int penWidth) {
    DrawnArea a;
    if (count <= 0) return a;
    std::int64_t x0 = x[0], x1 = x[0], y0 = y[0], y1 = y[0];
    for (int i = 1; i < count; ++i) {
        x0 = std::min<std::int64_t>(x0, x[i]);
        x1 = std::max<std::int64_t>(x1, x[i]);
        y0 = std::min<std::int64_t>(y0, y[i]);
        y1 = std::max<std::int64_t>(y1, y[i]);
    }
    // A disc covers (x, y) to (x + width + 1, y + width + 1); its outline
    // of `width` pixels reaches half of that further out. A whole width on
    // both sides leaves room for any rounding of the outline.
    const std::int64_t w = std::max(penWidth, 1);
    const std::int64_t last = Canvas::kSide - 1;
    a.left = static_cast<int>(std::clamp<std::int64_t>(x0 - w - 2, 0, last));
    a.top = static_cast<int>(std::clamp<std::int64_t>(y0 - w - 2, 0, last));
    a.right = static_cast<int>(std::clamp<std::int64_t>(x1 + 2 * w + 3, -1, last));
    a.bottom = static_cast<int>(std::clamp<std::int64_t>(y1 + 2 * w + 3, -1, last));
    if (x1 + 2 * w + 3 < 0 || y1 + 2 * w + 3 < 0 || x0 - w - 2 > last || y0 - w - 2 > last) return DrawnArea{};
    return a;
}

bool reduceCropForScreen(const Canvas& canvas, const CropSquare& crop, const DrawnArea& drawn, std::uint32_t* dst,
                         int dstSide, std::ptrdiff_t dstStride) {
    const std::int64_t side = crop.side;
    if (dstSide <= 0 || side <= dstSide) return false;
    if (crop.left < 0 || crop.top < 0 || crop.left + side > Canvas::kSide || crop.top + side > Canvas::kSide)
        return false;

    const Colour bg = canvas.fillColour() & 0xFFFFFFu;
    // The block of source columns every destination column covers, as in
    // the reduction itself: [d * side / dstSide, (d + 1) * side / dstSide).
    std::vector<int> columnOf(static_cast<std::size_t>(side));
    std::vector<std::int64_t> rowStart(static_cast<std::size_t>(dstSide) + 1);
    for (int d = 0; d < dstSide; ++d) {
        const std::int64_t a = (d * side) / dstSide;
        const std::int64_t b = ((d + 1) * side) / dstSide;
        for (std::int64_t s = a; s < b; ++s) columnOf[static_cast<std::size_t>(s)] = d;
        rowStart[static_cast<std::size_t>(d)] = a;
    }
    rowStart[static_cast<std::size_t>(dstSide)] = side;

    const int left = static_cast<int>(crop.left);
    // Source rows and columns of the crop that can hold anything but the
    // background.
    const std::int64_t sx0 = drawn.empty() ? side : std::max<std::int64_t>(0, drawn.left - crop.left);
    const std::int64_t sx1 = drawn.empty() ? 0 : std::min<std::int64_t>(side, drawn.right - crop.left + 1);
    const std::int64_t syLo = drawn.empty() ? side : std::max<std::int64_t>(0, drawn.top - crop.top);
    const std::int64_t syHi = drawn.empty() ? 0 : std::min<std::int64_t>(side, drawn.bottom - crop.top + 1);
    // Destination rows are independent: two threads take half each.
    auto rows = [&](int from, int to) {
        std::vector<std::uint32_t> best(static_cast<std::size_t>(dstSide));
        std::vector<int> bestDistance(static_cast<std::size_t>(dstSide));
        for (int dy = from; dy < to; ++dy) {
            std::fill(bestDistance.begin(), bestDistance.end(), -1);
            const std::int64_t y0 = rowStart[static_cast<std::size_t>(dy)];
            const std::int64_t y1 = rowStart[static_cast<std::size_t>(dy) + 1];
            for (std::int64_t sy = std::max(y0, syLo); sy < std::min(y1, syHi); ++sy) {
                const Colour* row = canvas.row(static_cast<int>(crop.top + sy)) + left;
                auto weigh = [&](std::int64_t sx) {
                    const Colour p = row[sx] & 0xFFFFFFu;
                    if (p == bg) return;
                    const std::size_t dx = static_cast<std::size_t>(columnOf[static_cast<std::size_t>(sx)]);
                    const int dist = distance(p, bg);
                    if (dist > bestDistance[dx]) {
                        bestDistance[dx] = dist;
                        best[dx] = p;
                    }
                };
                std::int64_t sx = sx0;
                // Runs of background are passed over sixteen pixels at a time.
                for (; sx + 16 <= sx1; sx += 16) {
                    Colour differs = 0;
                    for (int k = 0; k < 16; ++k) differs |= (row[sx + k] ^ bg) & 0xFFFFFFu;
                    if (differs == 0) continue;
                    for (int k = 0; k < 16; ++k) weigh(sx + k);
                }
                for (; sx < sx1; ++sx) weigh(sx);
            }
            std::uint32_t* out = dst + static_cast<std::ptrdiff_t>(dy) * dstStride;
            for (int dx = 0; dx < dstSide; ++dx) {
                const std::size_t i = static_cast<std::size_t>(dx);
                out[dx] = toArgb(bestDistance[i] < 0 ? bg : best[i]);
            }
        }
    };
    const int half = dstSide / 2;
    std::thread second([&] { rows(half, dstSide); });
    rows(0, half);
    second.join();
    return true;
}

}  // namespace lumora
