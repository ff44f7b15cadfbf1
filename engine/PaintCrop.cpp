#include "engine/PaintCrop.h"

#include "engine/DrawPipeline.h"
#include "engine/Truncate.h"

namespace lumora {

CropSquare paintCrop(const Extent& e, int magnify) {
    const std::int64_t cx = truncToInt32((e.maxX + e.minX) * 0.5);
    const std::int64_t cy = truncToInt32((e.maxY + e.minY) * 0.5);
    const std::int64_t w = truncToInt32(e.maxX - e.minX);
    const std::int64_t h = truncToInt32(e.maxY - e.minY);
    const std::int64_t ext = w > h ? w : h;
    const std::int64_t pad = 600 - static_cast<std::int64_t>(magnify);
    const std::int64_t half = ext / 2;
    const std::int64_t left = 3000 + cx - half - pad;
    const std::int64_t top = 3000 + cy - half - pad;
    const std::int64_t right = 3000 + cx + half + pad;
    const std::int64_t bottom = 3000 + cy + half + pad;
    if (right - left < 100 || bottom - top < 100) return {cx + 2950, cy + 2950, 100};
    if (left > 0 && top > 0 && right < 6000 && bottom < 6000) return {left, top, ext + 2 * pad};
    return {0, 0, 6000};
}

}  // namespace lumora
