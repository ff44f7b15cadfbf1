#pragma once
// Colour arithmetic shared by the colour run, the pen pane and the colour
// edit dialog. Colours are 0x00BBGGRR. The divisions run in single precision
// on purpose: the rounding of those steps decides the last bit of a channel,
// and stored figures depend on it.

#include <cstdint>

namespace lumora {

using Colour = std::uint32_t;

struct Hsv {
    int h;  // degrees, 0..359 (360 is accepted by hsvToRgb and means 0)
    int s;  // 0..255
    int v;  // 0..255
    friend bool operator==(const Hsv&, const Hsv&) = default;
};

struct Rgb {
    int r;
    int g;
    int b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Colour packColour(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) | (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// r, g, b in 0..255.
Hsv rgbToHsv(int r, int g, int b);
// H 0..360, S and V 0..255. A negative hue has no defined result; this
// returns black for it rather than reading outside the table.
Rgb hsvToRgb(int h, int s, int v);
// Fills out[0..count-1] with the HSV blend from a towards b (b itself is
// never produced); the hue takes the shorter way round, rising at a tie.
void hsvGradient(int count, Colour* out, Colour a, Colour b);
// Fills out[0..count-1] with fully saturated hues once round the circle.
void hueStrip(int count, Colour* out);

}  // namespace lumora
