#include "engine/FigureThumbnail.h"

#include <algorithm>

#include "engine/Canvas.h"
#include "engine/ColourRun.h"
#include "engine/DrawPipeline.h"
#include "engine/Formulas.h"
#include "engine/PaintCrop.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"
#include "engine/Truncate.h"

namespace lumora {
namespace {

struct Dot {
    std::int32_t x, y;
    Colour colour;
};

struct ThumbnailSink {
    Extent& extent;
    std::vector<Dot>& dots;
    const Turn& turn;
    const ColourRun& run;
    double xOffset, yOffset;
    int N, repeat;
    bool gradient, gradientOn;
    Colour fg;

    void point(int i, double X, double Y) {
        extent.minX = std::min(extent.minX, X);
        extent.maxX = std::max(extent.maxX, X);
        extent.minY = std::min(extent.minY, Y);
        extent.maxY = std::max(extent.maxY, Y);
        if (turn.on) turn.apply(X, Y, i, N);
        dots.push_back({truncToInt32(X + xOffset), truncToInt32(Y + yOffset),
                        gradient ? pointColour(run, i, N, repeat, gradientOn) : fg});
    }
};

class SilentMessages : public MessageSink {
public:
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
};

}  // namespace

Thumbnail figureThumbnail(const DrawInputs& in, int side) {
    Thumbnail t;
    t.side = std::clamp(side, 1, 512);
    const Colour fg = foregroundFor(in.fgMode, in.customFg);
    const Colour bg = backgroundFor(in.bgMode, in.customBg);
    t.pixels.assign(static_cast<std::size_t>(t.side) * static_cast<std::size_t>(t.side), bg);
    const bool gradient = in.fgMode == 3;
    const int N = stepCount(in.params);
    if ((!gradient && fg == bg) || N <= 0 || static_cast<long long>(N) + 1 > PlottedPoints::kCapacity) return t;

    ColourRun run;
    if (gradient) {
        buildGradientTable(in.colours, in.colourOn, run.gradient);
        buildBandTable(in.colours, in.colourOn, run.band);
    }
    const Turn turn = makeTurn(in);
    Extent extent;
    std::vector<Dot> dots;
    dots.reserve(static_cast<std::size_t>(N) + 1);
    ThumbnailSink sink{extent,
                       dots,
                       turn,
                       run,
                       static_cast<double>(xOffsetFor(in.shiftH)),
                       static_cast<double>(yOffsetFor(in.shiftV)),
                       N,
                       std::clamp(in.repeatCount, 1, N),
                       gradient,
                       in.gradientOn,
                       fg};
    runFormulaWith(in.category, in.formula, in.params, sink);

    const CropSquare crop = paintCrop(extent, in.magnify);
    if (crop.side <= 0) return t;
    const std::int64_t s = t.side;
    const std::int64_t dot = std::clamp<std::int64_t>((static_cast<std::int64_t>(in.penWidth) * s) / crop.side, 1, 16);
    const auto plot = [&](const Dot& d) {
        // The canvas ends at its edges; what falls beyond is not in the figure.
        if (d.x < 0 || d.y < 0 || d.x >= Canvas::kSide || d.y >= Canvas::kSide) return;
        // The picture pixel whose source range [p*side/s, (p+1)*side/s) holds
        // the point, as the view's reduction divides the crop.
        const std::int64_t rx = static_cast<std::int64_t>(d.x) - crop.left;
        const std::int64_t ry = static_cast<std::int64_t>(d.y) - crop.top;
        if (rx < 0 || ry < 0) return;
        const std::int64_t x0 = ((rx + 1) * s - 1) / crop.side;
        const std::int64_t y0 = ((ry + 1) * s - 1) / crop.side;
        for (std::int64_t y = std::max<std::int64_t>(y0, 0); y < std::min(y0 + dot, s); ++y)
            for (std::int64_t x = std::max<std::int64_t>(x0, 0); x < std::min(x0 + dot, s); ++x)
                t.pixels[static_cast<std::size_t>(y * s + x)] = d.colour;
    };
    // Later points cover earlier ones, in the order Draw plots them.
    if (turn.front)
        std::for_each(dots.begin(), dots.end(), plot);
    else
        std::for_each(dots.rbegin(), dots.rend(), plot);
    return t;
}

std::optional<Thumbnail> recordThumbnail(const FigureRecord& record, int side) {
    PlainPanes panes;
    ViewColours colours;
    SilentMessages silent;
    if (applyRecord(record, panes.panes(), colours, silent) != ApplyOutcome::Applied) return std::nullopt;
    return figureThumbnail(readDrawInputs(panes.panes()), side);
}

}  // namespace lumora
