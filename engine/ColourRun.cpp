#include "engine/ColourRun.h"

namespace lumora {
namespace {

bool takesPart(const std::array<bool, 5>& on, int c) {  // c = 0..6
    return c == 0 || c == 6 || on[static_cast<std::size_t>(c - 1)];
}

void put(std::array<Colour, ColourRun::kLength>& out, int t, Colour c) {
    out[static_cast<std::size_t>(ColourRun::kLength - 1 - t)] = c;
}

}  // namespace

void buildGradientTable(const std::array<Colour, 7>& colours, const std::array<bool, 5>& on,
                        std::array<Colour, ColourRun::kLength>& out) {
    int prev = 0;
    int filled = 0;
    std::array<Colour, ColourRun::kLength> seg{};
    for (int c = 1; c <= 6; ++c) {
        if (!takesPart(on, c)) continue;
        const int n = (c - prev) * 120;
        hsvGradient(n, seg.data(), colours[static_cast<std::size_t>(prev)], colours[static_cast<std::size_t>(c)]);
        for (int k = 0; k < n; ++k) put(out, filled + k, seg[static_cast<std::size_t>(k)]);
        prev = c;
        filled = 120 * c;
    }
}

void buildBandTable(const std::array<Colour, 7>& colours, const std::array<bool, 5>& on,
                    std::array<Colour, ColourRun::kLength>& out) {
    int prev = 0;
    int filled = 0;
    for (int c = 1; c <= 6; ++c) {
        if (!takesPart(on, c)) continue;
        const int m = 60 * (prev + c);
        for (int t = filled; t < m; ++t) put(out, t, colours[static_cast<std::size_t>(prev)]);
        for (int t = m; t < 120 * c; ++t) put(out, t, colours[static_cast<std::size_t>(c)]);
        prev = c;
        filled = 120 * c;
    }
}

}  // namespace lumora
