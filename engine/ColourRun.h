#pragma once
// The colour run over a figure's points: seven anchor colours spread over
// 720 run positions, smooth (HSV gradient) or banded. Both tables hold the
// run in reverse, so each repeat starts at the colour-7 end.

#include <array>

#include "engine/ColourModel.h"

namespace lumora {

struct ColourRun {
    static constexpr int kLength = 720;
    std::array<Colour, kLength> gradient{};
    std::array<Colour, kLength> band{};
};

// colours: colour1..colour7; on: the switches of colours 2..6. Colours 1 and
// 7 always take part.
void buildGradientTable(const std::array<Colour, 7>& colours, const std::array<bool, 5>& on,
                        std::array<Colour, ColourRun::kLength>& out);
void buildBandTable(const std::array<Colour, 7>& colours, const std::array<bool, 5>& on,
                    std::array<Colour, ColourRun::kLength>& out);

// The colour of point i of N with the run repeated `repeat` times.
// repeat must be 1..N; the panes keep it in 1..30.
inline Colour pointColour(const ColourRun& run, int i, int N, int repeat, bool gradientOn) {
    const int s = N / repeat;
    const int j = static_cast<int>((static_cast<long long>(i % s) * ColourRun::kLength) / s);
    return gradientOn ? run.gradient[static_cast<std::size_t>(j)] : run.band[static_cast<std::size_t>(j)];
}

}  // namespace lumora
