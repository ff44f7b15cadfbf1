#include "engine/DrawPipeline.h"

#include <cmath>
#include <thread>

#include "engine/Formulas.h"
#include "engine/Truncate.h"

namespace lumora {

const char* const kSameColourMessage = "描画色と背景色が同じ色です";
const char* const kSameColourCaption = "描画無効";

Colour foregroundFor(int fgMode, Colour customFg) {
    if (fgMode == 1) return 0xFFFFFF;
    if (fgMode == 2) return customFg & 0xFFFFFF;
    return 0x000000;
}

Colour backgroundFor(int bgMode, Colour customBg) {
    if (bgMode == 0) return 0x000000;
    if (bgMode == 2) return customBg & 0xFFFFFF;
    return 0xFFFFFF;
}

int xOffsetFor(int shiftH) { return 3000 + (shiftH * 3000) / 100; }
int yOffsetFor(int shiftV) { return 3000 - (shiftV * 3000) / 100; }

Turn makeTurn(const DrawInputs& in) {
    constexpr double kPi = 3.141592653589793;
    const double rotZ = static_cast<double>(in.rotZ) * kPi / 180.0;
    const double rotX = static_cast<double>(in.rotX) * kPi / 180.0;
    const double rotY = static_cast<double>(in.rotY) * kPi / 180.0;
    Turn t;
    t.zs = static_cast<double>(in.zScale) / 10000.0;
    t.on = !(rotZ == 0.0 && rotX == 0.0 && rotY == 0.0 && in.magnify == 100);
    t.cosY = std::cos(rotY);
    t.cosX = std::cos(rotX);
    if (((t.cosX * t.cosY) * t.zs) < 0 && (rotX != 0.0 || rotY != 0.0) && in.fgMode == 3) t.front = false;
    t.cosZ = std::cos(rotZ);
    t.sinZ = std::sin(rotZ);
    t.sinX = std::sin(rotX);
    t.sinY = std::sin(rotY);
    return t;
}

namespace {

// Per point: extent, turn, conversion to canvas coordinates, colour.
template <bool Gradient, bool Turned>
struct CollectSink {
    Extent& extent;
    PlottedPoints& pts;
    const Turn& turn;
    const ColourRun& run;
    double xOffset, yOffset;
    int N;
    int repeat;
    bool gradientOn;
    Colour solid;
    int n = 0;

    void point(int i, double X, double Y) {
        if (X < extent.minX) extent.minX = X;
        if (X > extent.maxX) extent.maxX = X;
        if (Y < extent.minY) extent.minY = Y;
        if (Y > extent.maxY) extent.maxY = Y;
        if constexpr (Turned) turn.apply(X, Y, i, N);
        if (n >= PlottedPoints::kCapacity) return;  // cannot happen within the catalogue's ranges
        pts.x[static_cast<std::size_t>(n)] = truncToInt32(X + xOffset);
        pts.y[static_cast<std::size_t>(n)] = truncToInt32(Y + yOffset);
        if constexpr (Gradient) {
            pts.colour[static_cast<std::size_t>(n)] = pointColour(run, i, N, repeat, gradientOn);
        } else {
            pts.colour[static_cast<std::size_t>(n)] = solid;
        }
        ++n;
    }
};

template <bool Gradient, bool Turned>
int collect(const DrawInputs& in, const ColourRun& run, Extent& extent, PlottedPoints& points, const Turn& turn,
            Colour fg, int repeat) {
    CollectSink<Gradient, Turned> sink{extent,
                                       points,
                                       turn,
                                       run,
                                       static_cast<double>(xOffsetFor(in.shiftH)),
                                       static_cast<double>(yOffsetFor(in.shiftV)),
                                       stepCount(in.params),
                                       repeat,
                                       in.gradientOn,
                                       fg};
    runFormulaWith(in.category, in.formula, in.params, sink);
    return sink.n;
}

}  // namespace

void collectPoints(const DrawInputs& in, Colour fg, ColourRun& run, Extent& extent, PlottedPoints& points) {
    const bool gradient = in.fgMode == 3;
    const Turn turn = makeTurn(in);
    if (gradient) {
        buildGradientTable(in.colours, in.colourOn, run.gradient);
        buildBandTable(in.colours, in.colourOn, run.band);
    }
    extent = Extent{};
    // The pen pane keeps the repeat count in 1..30; a count beyond the step
    // count would divide by zero, so it is held inside 1..N here.
    const int N = stepCount(in.params);
    int repeat = in.repeatCount < 1 ? 1 : in.repeatCount;
    if (N > 0 && repeat > N) repeat = N;
    int count = 0;
    // P1 beyond 999 (never from the panes) would ask for more points than the
    // arrays hold; such a figure is drawn empty rather than cut short.
    const bool fits = static_cast<long long>(N) + 1 <= PlottedPoints::kCapacity;
    if (fits && N > 0) {
        if (gradient) {
            count = turn.on ? collect<true, true>(in, run, extent, points, turn, fg, repeat)
                            : collect<true, false>(in, run, extent, points, turn, fg, repeat);
        } else {
            count = turn.on ? collect<false, true>(in, run, extent, points, turn, fg, repeat)
                            : collect<false, false>(in, run, extent, points, turn, fg, repeat);
        }
    }
    points.count = count;
    points.firstIndex = firstIndex(in.category);
    points.reversed = !turn.front;
}

DrawOutcome draw(const DrawInputs& in, DrawState& st) {
    const Colour fg = foregroundFor(in.fgMode, in.customFg);
    const Colour bg = backgroundFor(in.bgMode, in.customBg);
    st.colours.fg = fg;
    st.colours.bg = bg;
    const bool gradient = in.fgMode == 3;
    if (!gradient && fg == bg) return DrawOutcome::SameColour;

    // The canvas fill does not depend on the orbit: run it beside the formula.
    std::thread filler([&st, bg] { st.canvas.fill(bg); });

    collectPoints(in, fg, st.run, st.extent, st.points);
    filler.join();

    st.plotter.plot(st.canvas, st.points.x.data(), st.points.y.data(), gradient ? st.points.colour.data() : nullptr, fg,
                    st.points.count, st.points.reversed, in.penWidth);
    return DrawOutcome::Drawn;
}

}  // namespace lumora
