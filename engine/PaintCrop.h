#pragma once
// Which square of the canvas the view shows: centred on the figure's extent,
// with a margin set by the 3D pane's magnify value.

#include <cstdint>

namespace lumora {

struct Extent;

struct CropSquare {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t side = 6000;
    friend bool operator==(const CropSquare&, const CropSquare&) = default;
};

// magnify 100 leaves 500 canvas pixels round the extent; every +100 takes 100
// off each side. A crop narrower than 100 falls back to the 100 x 100 square
// round the extent's centre (which may reach past the canvas edge); a crop
// that does not lie inside the canvas falls back to the whole canvas.
// 64-bit arithmetic throughout, so no extent can overflow it.
CropSquare paintCrop(const Extent& extent, int magnify);

}  // namespace lumora
