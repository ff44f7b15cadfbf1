#pragma once
// Scaling a square of pixels to another size, the way the view and the
// picture export need it: when several source pixels fall on one
// destination pixel, the one that differs most from the background wins
// (on white the dark pixels stay, on black the light ones), so a thin figure
// never fades away; enlarging picks the nearest source pixel.

#include <cstddef>
#include <cstdint>

#include "engine/Canvas.h"
#include "engine/PaintCrop.h"

namespace lumora {

// Destination pixels are 0xFFRRGGBB (the layout of a 32-bit RGB picture).
inline std::uint32_t toArgb(Colour c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// Scales the canvas square `crop` to dstSide x dstSide into dst (dstStride
// pixels per row). Parts of the square outside the canvas read as the
// canvas's background (its last fill colour).
void scaleCrop(const Canvas& canvas, const CropSquare& crop, std::uint32_t* dst, int dstSide, std::ptrdiff_t dstStride);

// Scales a square 0xFFRRGGBB picture of side srcSide to dstSide with the same
// rule; `background` (also 0xFFRRGGBB) is the colour the reduction keeps
// away from.
void scaleSquare(const std::uint32_t* src, int srcSide, std::ptrdiff_t srcStride, std::uint32_t background,
                 std::uint32_t* dst, int dstSide, std::ptrdiff_t dstStride);

}  // namespace lumora
