#include "engine/ColourModel.h"

#include <algorithm>
#include <cmath>

namespace lumora {
namespace {

// Rounds to the nearest integer, halves away from zero.
int nearest(float x) { return static_cast<int>(std::round(x)); }

// floor computed in double precision and brought back to single.
float floorViaDouble(float h) { return static_cast<float>(std::floor(static_cast<double>(h))); }

}  // namespace

Hsv rgbToHsv(int r, int g, int b) {
    const int maxI = std::max({r, g, b});
    const int minI = std::min({r, g, b});
    const float maxF = static_cast<float>(maxI);
    const float minF = static_cast<float>(minI);
    const float range = maxF - minF;
    int h = 0;
    if (maxI == minI) {
        h = 0;
    } else if (maxI == r) {
        h = static_cast<int>(static_cast<float>((g - b) * 60) / range + 360.0f) % 360;
    } else if (maxI == g) {
        h = static_cast<int>(static_cast<float>((b - r) * 60) / range + 120.0f);
    } else {
        h = static_cast<int>(static_cast<float>((r - g) * 60) / range + 240.0f);
    }
    const int s = maxI == 0 ? 0 : static_cast<int>((range / maxF) * 255.0f);
    return {h, s, maxI};
}

Rgb hsvToRgb(int hIn, int sIn, int vIn) {
    const float h = static_cast<float>(hIn) / 60.0f;
    const float fl = floorViaDouble(h);
    const float f = h - fl;
    const float s = static_cast<float>(sIn) / 255.0f;
    const float v = static_cast<float>(vIn);
    const int p = nearest((1.0f - s) * v);
    const int q = nearest((1.0f - s * f) * v);
    const int t = nearest((1.0f - (1.0f - f) * s) * v);
    switch (static_cast<int>(fl) % 6) {
        case 0:
            return {vIn, t, p};
        case 1:
            return {q, vIn, p};
        case 2:
            return {p, vIn, t};
        case 3:
            return {p, q, vIn};
        case 4:
            return {t, p, vIn};
        case 5:
            return {vIn, p, q};
        default:
            return {0, 0, 0};
    }
}

void hsvGradient(int count, Colour* out, Colour a, Colour b) {
    if (count <= 0) return;
    const Hsv A = rgbToHsv(redOf(a), greenOf(a), blueOf(a));
    const Hsv B = rgbToHsv(redOf(b), greenOf(b), blueOf(b));
    for (int k = 0; k < count; ++k) {
        int h = 0;
        if (A.h <= B.h) {
            if (B.h - A.h <= 180) {
                h = A.h + (k * (B.h - A.h)) / count;
            } else {
                const int step = A.h - B.h + 360;
                h = A.h - (k * step) / count;
                if (h < 0) h += 360;
            }
        } else {
            if (A.h - B.h < 180) {
                h = A.h + (k * (B.h - A.h)) / count;
            } else {
                const int step = B.h - A.h + 360;
                h = A.h + (k * step) / count;
                if (h > 360) h -= 360;
            }
        }
        const int s = A.s + (k * (B.s - A.s)) / count;
        const int v = A.v + (k * (B.v - A.v)) / count;
        const Rgb c = hsvToRgb(h, s, v);
        out[k] = packColour(c.r, c.g, c.b);
    }
}

void hueStrip(int count, Colour* out) {
    for (int k = 0; k < count; ++k) {
        const int hue = (k * 360) / count;
        const float h = static_cast<float>(hue) / 60.0f;
        const float fl = floorViaDouble(h);
        const float f = h - fl;
        const int A = nearest(f * 255.0f);
        const int D = nearest((1.0f - f) * 255.0f);
        Rgb c{0, 0, 0};
        switch (static_cast<int>(fl) % 6) {
            case 0:
                c = {255, A, 0};
                break;
            case 1:
                c = {D, 255, 0};
                break;
            case 2:
                c = {0, 255, A};
                break;
            case 3:
                c = {0, D, 255};
                break;
            case 4:
                c = {A, 0, 255};
                break;
            default:
                c = {255, 0, D};
                break;
        }
        out[k] = packColour(c.r, c.g, c.b);
    }
}

}  // namespace lumora
