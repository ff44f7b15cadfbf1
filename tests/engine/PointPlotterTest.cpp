// The disc coverage rule, on every plotting path, and clipping far off the canvas.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "engine/PointPlotter.h"

namespace lumora {
namespace {

Canvas& canvas() {
    static auto* c = new Canvas();
    return *c;
}

bool coveredByRule(int px, int py, int x, int y, int w) {
    const long long size = w + 1;
    const long long dx = 2LL * px + 1 - 2LL * x - size;
    const long long dy = 2LL * py + 1 - 2LL * y - size;
    return dx * dx + dy * dy <= (size + w) * (size + w);
}

TEST(PointPlotter, PenWidthOneIsATwoByTwoDot) {
    Canvas& c = canvas();
    c.fill(0xFFFFFF);
    PointPlotter plotter;
    const std::int32_t xs[] = {100}, ys[] = {200};
    plotter.plot(c, xs, ys, nullptr, 0x000000, 1, false, 1);
    for (int y = 195; y < 205; ++y)
        for (int x = 95; x < 105; ++x)
            EXPECT_EQ(c.pixel(x, y) == 0, (x == 100 || x == 101) && (y == 200 || y == 201)) << x << "," << y;
}

TEST(PointPlotter, SpansFollowTheRuleForEveryWidth) {
    for (int w = 1; w <= 100; ++w) {
        const auto spans = PointPlotter::discSpans(w);
        int covered = 0;
        for (int dy = -w - 2; dy <= 2 * w + 3; ++dy) {
            for (int dx = -w - 2; dx <= 2 * w + 3; ++dx) {
                bool inSpan = false;
                for (const auto& s : spans) inSpan |= s.dy == dy && dx >= s.dx0 && dx <= s.dx1;
                ASSERT_EQ(inSpan, coveredByRule(dx, dy, 0, 0, w)) << "width " << w << " at " << dx << "," << dy;
                covered += inSpan;
            }
        }
        // The disc grows about w / 2 beyond its w + 1 square on each side.
        EXPECT_NEAR(covered, 3.14159 * (w + 0.5) * (w + 0.5), 4.0 * w + 4) << w;
    }
}

// One colour: the dilation path must give the very pixels of drawing every
// disc, for clusters, isolated points, edges and far-off points.
TEST(PointPlotter, DilationEqualsDrawingEveryDisc) {
    std::mt19937 rng(7);
    std::vector<std::int32_t> xs, ys;
    for (int k = 0; k < 3000; ++k) {
        xs.push_back(static_cast<std::int32_t>(rng() % 700) - 50);
        ys.push_back(static_cast<std::int32_t>(rng() % 500) + 5700);
    }
    xs.push_back(INT_MIN);
    ys.push_back(100);
    xs.push_back(100);
    ys.push_back(INT_MIN);
    xs.push_back(INT_MAX);
    ys.push_back(INT_MAX);
    xs.push_back(5990);
    ys.push_back(-30);
    Canvas& c = canvas();
    std::vector<Colour> spans;
    for (int w : {2, 5, 6, 13, 50, 100}) {
        PointPlotter plotter;
        plotter.setMethod(PointPlotter::Method::Spans);
        c.fill(0x0000FF);
        c.fill(0xFFFFFF);
        plotter.plot(c, xs.data(), ys.data(), nullptr, 0x00AA00, static_cast<int>(xs.size()), false, w);
        spans.assign(c.data(), c.data() + 6000 * 6000);
        plotter.setMethod(PointPlotter::Method::Dilation);
        c.fill(0x0000FF);
        c.fill(0xFFFFFF);
        plotter.plot(c, xs.data(), ys.data(), nullptr, 0x00AA00, static_cast<int>(xs.size()), false, w);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < spans.size(); ++i) differing += spans[i] != c.data()[i];
        EXPECT_EQ(differing, 0u) << "width " << w;
        if (w >= 50) {
            EXPECT_EQ(c.pixel(5999, 0), 0x00AA00u) << "width " << w;  // a disc above the corner reaches in
        }
    }
}

TEST(PointPlotter, ReversedOrderPutsLowIndexesOnTop) {
    Canvas& c = canvas();
    c.fill(0xFFFFFF);
    PointPlotter plotter;
    const std::int32_t xs[] = {10, 10, 10}, ys[] = {10, 10, 10};
    const Colour cols[] = {0x000001, 0x000002, 0x000003};
    plotter.plot(c, xs, ys, cols, 0, 3, false, 4);
    EXPECT_EQ(c.pixel(12, 12), 0x000003u);
    plotter.plot(c, xs, ys, cols, 0, 3, true, 4);
    EXPECT_EQ(c.pixel(12, 12), 0x000001u);
}

// Fill only cleans what was drawn: after plotting near every edge and
// refilling, the canvas is uniform again.
TEST(PointPlotter, RefillCleansEveryPlottedPixel) {
    Canvas& c = canvas();
    c.fill(0x0000FF);
    c.fill(0xFFFFFF);
    PointPlotter plotter;
    const std::int32_t xs[] = {-3, 5998, 3000, 0}, ys[] = {-3, 5998, 0, 5999};
    plotter.plot(c, xs, ys, nullptr, 0x000000, 4, false, 30);
    c.fill(0xFFFFFF);
    for (std::size_t i = 0; i < std::size_t{6000} * 6000; ++i) ASSERT_EQ(c.data()[i], 0xFFFFFFu) << i;
}

}  // namespace
}  // namespace lumora
