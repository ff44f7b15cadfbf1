#include "engine/PictureScale.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace lumora {
namespace {

int distance(std::uint32_t a, std::uint32_t b) {
    const int dr = static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF);
    const int dg = static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF);
    const int db = static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF);
    return (dr < 0 ? -dr : dr) + (dg < 0 ? -dg : dg) + (db < 0 ? -db : db);
}

// Source range [lo, hi) of every destination index along one axis.
struct AxisMap {
    std::vector<std::int64_t> lo, hi;
    AxisMap(std::int64_t srcSide, int dstSide)
        : lo(static_cast<std::size_t>(dstSide)), hi(static_cast<std::size_t>(dstSide)) {
        for (int d = 0; d < dstSide; ++d) {
            std::int64_t a, b;
            if (srcSide > dstSide) {  // reduce: every source pixel the destination covers
                a = (d * srcSide) / dstSide;
                b = ((d + 1) * srcSide) / dstSide;
                if (b <= a) b = a + 1;
            } else {  // enlarge: the source pixel under the destination's centre
                a = ((2 * static_cast<std::int64_t>(d) + 1) * srcSide) / (2 * static_cast<std::int64_t>(dstSide));
                b = a + 1;
            }
            lo[static_cast<std::size_t>(d)] = a;
            hi[static_cast<std::size_t>(d)] = b;
        }
    }
};

// Runs rows [0, n) split over two threads; each row is independent, so the
// result does not depend on the split.
template <class RowFn>
void forRows(int n, RowFn fn) {
    if (n < 256) {
        for (int y = 0; y < n; ++y) fn(y);
        return;
    }
    const int half = n / 2;
    std::thread t([&] {
        for (int y = half; y < n; ++y) fn(y);
    });
    for (int y = 0; y < half; ++y) fn(y);
    t.join();
}

template <class Fetch>
void scaleWith(Fetch fetch, std::int64_t srcSide, std::uint32_t background, std::uint32_t* dst, int dstSide,
               std::ptrdiff_t dstStride) {
    if (dstSide <= 0 || srcSide <= 0) return;
    const AxisMap map(srcSide, dstSide);
    forRows(dstSide, [&](int dy) {
        std::uint32_t* out = dst + static_cast<std::ptrdiff_t>(dy) * dstStride;
        const std::int64_t y0 = map.lo[static_cast<std::size_t>(dy)];
        const std::int64_t y1 = map.hi[static_cast<std::size_t>(dy)];
        for (int dx = 0; dx < dstSide; ++dx) {
            const std::int64_t x0 = map.lo[static_cast<std::size_t>(dx)];
            const std::int64_t x1 = map.hi[static_cast<std::size_t>(dx)];
            std::uint32_t best = fetch(x0, y0);
            int bestDistance = distance(best, background);
            for (std::int64_t sy = y0; sy < y1; ++sy) {
                for (std::int64_t sx = x0; sx < x1; ++sx) {
                    const std::uint32_t p = fetch(sx, sy);
                    const int dist = distance(p, background);
                    if (dist > bestDistance) {
                        best = p;
                        bestDistance = dist;
                    }
                }
            }
            out[dx] = best;
        }
    });
}

}  // namespace

void scaleCrop(const Canvas& canvas, const CropSquare& crop, std::uint32_t* dst, int dstSide,
               std::ptrdiff_t dstStride) {
    const std::uint32_t outside = toArgb(canvas.fillColour());
    auto fetch = [&](std::int64_t sx, std::int64_t sy) -> std::uint32_t {
        const std::int64_t x = crop.left + sx;
        const std::int64_t y = crop.top + sy;
        if (x < 0 || y < 0 || x >= Canvas::kSide || y >= Canvas::kSide) return outside;
        return toArgb(canvas.pixel(static_cast<int>(x), static_cast<int>(y)));
    };
    scaleWith(fetch, crop.side, outside, dst, dstSide, dstStride);
}

void scaleSquare(const std::uint32_t* src, int srcSide, std::ptrdiff_t srcStride, std::uint32_t background,
                 std::uint32_t* dst, int dstSide, std::ptrdiff_t dstStride) {
    auto fetch = [&](std::int64_t sx, std::int64_t sy) -> std::uint32_t {
        return src[sy * srcStride + sx] | 0xFF000000u;
    };
    scaleWith(fetch, srcSide, background, dst, dstSide, dstStride);
}

}  // namespace lumora
