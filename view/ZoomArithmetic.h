#pragma once
// The screen zoom of the canvas view: every step in or out scales the shown
// square by 1.2, starting from 800 pixels.

namespace lumora {

constexpr int kStandardDisplaySize = 800;
// Past these steps the picture is either a few dozen pixels or far larger
// than any crop of the canvas; the bound also keeps the scroll range an int.
constexpr int kMinZoomStep = -12;
constexpr int kMaxZoomStep = 16;

// 1.2 raised to |step| by repeated squaring, inverted for negative steps.
// The squaring order is kept so the sizes stay the same on every machine.
double zoomFactor(int step);

// trunc(zoomFactor(step) * 800), for a step inside the bounds.
int displaySizeFor(int step);

// The scroll position that centres a picture of `size` in a window of
// `client` pixels, or -1 when the picture fits and nothing moves.
int centredScrollPosition(int size, int client);

}  // namespace lumora
