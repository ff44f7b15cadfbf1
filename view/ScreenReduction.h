#pragma once
// A faster road to the same screen picture that scaleCrop makes when it
// reduces a crop lying inside the canvas. Most canvas pixels are the
// background, and a background pixel never wins the reduction (it differs
// from the background by nothing), so the scan only weighs the others. The
// visiting order within each destination pixel's block is kept, so ties go
// the same way and the result equals scaleCrop's pixel for pixel.

#include <cstddef>
#include <cstdint>

#include "engine/Canvas.h"
#include "engine/PaintCrop.h"

namespace lumora {

// The canvas area the last Draw painted on (inclusive bounds); everything
// outside it holds the background. Empty when nothing was drawn.
struct DrawnArea {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left || bottom < top; }
};

// The area of `count` discs at (x[i], y[i]) of the plotter's size for
// `penWidth`, with room for the outline, clipped to the canvas.
DrawnArea drawnAreaOf(const std::int32_t* x, const std::int32_t* y, int count, int penWidth);

// Fills dst (dstSide x dstSide, dstStride pixels per row, 0xFFRRGGBB) and
// returns true when the crop lies inside the canvas and is larger than
// dstSide; returns false without touching dst otherwise (use scaleCrop).
bool reduceCropForScreen(const Canvas& canvas, const CropSquare& crop, const DrawnArea& drawn, std::uint32_t* dst,
                         int dstSide, std::ptrdiff_t dstStride);

}  // namespace lumora
