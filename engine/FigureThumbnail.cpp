#include "engine/FigureThumbnail.h"

#include <algorithm>
#include <memory>

#include "engine/Canvas.h"
#include "engine/ColourRun.h"
#include "engine/DrawPipeline.h"
#include "engine/PaintCrop.h"
#include "engine/PlainPanes.h"
#include "engine/RecordPanes.h"

namespace lumora {
namespace {

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
    if (in.fgMode != 3 && fg == bg) return t;

    // The points Draw would plot, in its canvas coordinates and colours.
    ColourRun run;
    Extent extent;
    auto points = std::make_unique<PlottedPoints>();
    collectPoints(in, fg, run, extent, *points);
    const CropSquare crop = paintCrop(extent, in.magnify);
    if (points->count == 0 || crop.side <= 0) return t;

    const std::int64_t s = t.side;
    const std::int64_t dot = std::clamp<std::int64_t>((static_cast<std::int64_t>(in.penWidth) * s) / crop.side, 1, 16);
    const auto plot = [&](int n) {
        const std::int32_t px = points->x[static_cast<std::size_t>(n)];
        const std::int32_t py = points->y[static_cast<std::size_t>(n)];
        // The canvas ends at its edges; what falls beyond is not in the figure.
        if (px < 0 || py < 0 || px >= Canvas::kSide || py >= Canvas::kSide) return;
        // The picture pixel whose source range [p*side/s, (p+1)*side/s) holds
        // the point, as the view's reduction divides the crop.
        const std::int64_t rx = static_cast<std::int64_t>(px) - crop.left;
        const std::int64_t ry = static_cast<std::int64_t>(py) - crop.top;
        if (rx < 0 || ry < 0) return;
        const std::int64_t x0 = ((rx + 1) * s - 1) / crop.side;
        const std::int64_t y0 = ((ry + 1) * s - 1) / crop.side;
        const Colour c = points->colour[static_cast<std::size_t>(n)];
        for (std::int64_t y = y0; y < std::min(y0 + dot, s); ++y)
            for (std::int64_t x = x0; x < std::min(x0 + dot, s); ++x) t.pixels[static_cast<std::size_t>(y * s + x)] = c;
    };
    // Later points cover earlier ones, in the order Draw plots them.
    if (points->reversed) {
        for (int n = points->count - 1; n >= 0; --n) plot(n);
    } else {
        for (int n = 0; n < points->count; ++n) plot(n);
    }
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
