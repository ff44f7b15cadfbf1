#include "view/ZoomArithmetic.h"

#include <algorithm>

namespace lumora {

double zoomFactor(int step) {
    unsigned n = step < 0 ? static_cast<unsigned>(-static_cast<long long>(step)) : static_cast<unsigned>(step);
    double r = 1.0;
    double b = 1.2;
    while (n != 0) {
        if (n & 1u) r = r * b;
        b = b * b;
        n >>= 1;
    }
    return step < 0 ? 1.0 / r : r;
}

int displaySizeFor(int step) {
    const int s = std::clamp(step, kMinZoomStep, kMaxZoomStep);
    return static_cast<int>(zoomFactor(s) * kStandardDisplaySize);
}

int centredScrollPosition(int size, int client) {
    if (size <= client) return -1;
    // The scroll range runs from 0 to size - 1; the middle of it, less half
    // the window, is where the picture's centre meets the window's.
    const int minimum = 0;
    const int maximum = size - 1;
    return std::clamp((minimum + maximum) / 2 - client / 2, 0, size - client);
}

}  // namespace lumora
