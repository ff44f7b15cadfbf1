// Draw around the formulas: extent, 3D turn, offsets, drawing order and the
// colour of each point, checked against a plain reading of the per-point
// rules applied to the formula's raw points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "EngineFixture.h"
#include "engine/Formulas.h"
#include "engine/Truncate.h"

namespace lumora {
namespace {

struct RawPoint {
    int i;
    double X, Y;
};

struct Recorder : PointSink {
    std::vector<RawPoint> pts;
    void point(int i, double X, double Y) override { pts.push_back({i, X, Y}); }
};

struct Variant {
    const char* name;
    int category, formula;
    int p1;  // 0 keeps the default
    int rotX, rotY, rotZ, zScale, magnify, shiftV, shiftH;
    int fgMode;
    int repeat;
    bool gradientOn;
};

// What a Draw must hand to the plotter, from the raw points and the rules.
struct Expected {
    std::vector<std::int32_t> x, y;
    std::vector<Colour> colour;
    std::vector<int> index;
    Extent extent;
};

Expected expectedFor(const DrawInputs& in) {
    Recorder rec;
    runFormula(in.category, in.formula, in.params, rec);
    Expected e;
    const double pi = 3.141592653589793;
    const double rz = in.rotZ * pi / 180, rx = in.rotX * pi / 180, ry = in.rotY * pi / 180;
    const double zs = in.zScale / 10000.0;
    const bool turnOn = !(rz == 0 && rx == 0 && ry == 0 && in.magnify == 100);
    const bool front = !(in.fgMode == 3 && std::cos(rx) * std::cos(ry) * zs < 0 && (rx != 0 || ry != 0));
    const int N = in.params[0] * 500;
    const double xOff = 3000 + (in.shiftH * 3000) / 100;
    const double yOff = 3000 - (in.shiftV * 3000) / 100;
    ColourRun run;
    buildGradientTable(in.colours, in.colourOn, run.gradient);
    buildBandTable(in.colours, in.colourOn, run.band);
    for (const RawPoint& p : rec.pts) {
        double X = p.X, Y = p.Y;
        if (X < e.extent.minX) e.extent.minX = X;
        if (X > e.extent.maxX) e.extent.maxX = X;
        if (Y < e.extent.minY) e.extent.minY = Y;
        if (Y > e.extent.maxY) e.extent.maxY = Y;
        if (turnOn) {
            const double X1 = X * std::cos(rz) - Y * std::sin(rz);
            const double Y1 = X * std::sin(rz) + Y * std::cos(rz);
            const double Z1 = static_cast<double>(p.i - N / 2) * zs;
            const double Y2 = Y1 * std::cos(rx) - Z1 * std::sin(rx);
            const double Z2 = Y1 * std::sin(rx) + Z1 * std::cos(rx);
            X = X1 * std::cos(ry) + Z2 * std::sin(ry);
            Y = Y2;
        }
        e.x.push_back(truncToInt32(X + xOff));
        e.y.push_back(truncToInt32(Y + yOff));
        e.index.push_back(p.i);
        e.colour.push_back(in.fgMode == 3 ? pointColour(run, p.i, N, in.repeatCount, in.gradientOn)
                                          : foregroundFor(in.fgMode, in.customFg));
    }
    if (!front) {
        std::reverse(e.x.begin(), e.x.end());
        std::reverse(e.y.begin(), e.y.end());
        std::reverse(e.colour.begin(), e.colour.end());
        std::reverse(e.index.begin(), e.index.end());
    }
    return e;
}

class DrawVariant : public ::testing::TestWithParam<Variant> {};

TEST_P(DrawVariant, PlotsExactlyThePointsTheRulesGive) {
    const Variant& v = GetParam();
    FigureRecord r = test::defaultRecord(v.category, v.formula);
    using F = FigureRecord;
    if (v.p1) r[F::Param1] = v.p1;
    r[F::RotX] = v.rotX;
    r[F::RotY] = v.rotY;
    r[F::RotZ] = v.rotZ;
    r[F::ZScale] = v.zScale;
    r[F::Magnify] = v.magnify;
    r[F::ShiftV] = v.shiftV;
    r[F::ShiftH] = v.shiftH;
    r[F::FgMode] = v.fgMode;
    if (v.fgMode == 1) r[F::BgMode] = 0;  // white on black
    r[F::RepeatCount] = v.repeat;
    r[F::GradientOn] = v.gradientOn;
    const DrawInputs in = test::inputsFor(r);
    ASSERT_EQ(in.repeatCount, v.repeat);

    DrawState& st = test::sharedState();
    ASSERT_EQ(draw(in, st), DrawOutcome::Drawn);
    const Expected e = expectedFor(in);
    const PlottedPoints& p = st.points;
    ASSERT_EQ(p.count, static_cast<int>(e.x.size()));
    for (int n = 0; n < p.count; ++n) {
        const auto k = static_cast<std::size_t>(p.reversed ? p.count - 1 - n : n);
        const auto en = static_cast<std::size_t>(n);
        ASSERT_EQ(p.firstIndex + static_cast<int>(k), e.index[en]) << "draw position " << n;
        ASSERT_EQ(p.x[k], e.x[en]) << "point " << e.index[en];
        ASSERT_EQ(p.y[k], e.y[en]) << "point " << e.index[en];
        ASSERT_EQ(p.colour[k], e.colour[en]) << "point " << e.index[en];
    }
    EXPECT_EQ(st.extent.minX, e.extent.minX);
    EXPECT_EQ(st.extent.maxX, e.extent.maxX);
    EXPECT_EQ(st.extent.minY, e.extent.minY);
    EXPECT_EQ(st.extent.maxY, e.extent.maxY);
    // The extent always holds the figure's own origin.
    EXPECT_LE(st.extent.minX, 0.0);
    EXPECT_GE(st.extent.maxX, 0.0);
}

// clang-format off
const Variant kVariants[] = {
    // name                 c  f  P1   rX   rY   rZ  zS    mag  sV    sH   fg rep grad
    {"Diamond_P1_1",        0, 0, 1,   0,   0,   0,  100,  100, 0,    0,   0, 1,  true},
    {"Sun_P1_1",            1, 0, 1,   0,   0,   0,  100,  100, 0,    0,   0, 1,  true},
    {"Lexus_P1_999",        7, 0, 999, 0,   0,   0,  100,  100, 0,    0,   0, 1,  true},
    {"Gi_P1_999",           9, 1, 999, 0,   0,   0,  100,  100, 0,    0,   0, 1,  true},
    {"Earth_Turned",        1, 1, 0,   30,  45,  60, 100,  100, 0,    0,   0, 1,  true},
    {"Sakura_ZScaleZero",   2, 0, 0,   10,  20,  30, 0,    100, 0,    0,   0, 1,  true},
    {"Fool_ZScaleNegative", 3, 0, 0,   10,  20,  0,  -500, 100, 0,    0,   0, 1,  true},
    {"Chess_MagnifyOnly",   4, 0, 0,   0,   0,   0,  100,  200, 0,    0,   0, 1,  true},
    {"Gold_ShiftPlus",      5, 0, 0,   0,   0,   0,  100,  100, 100,  100, 0, 1,  true},
    {"Silver_ShiftMinus",   5, 1, 0,   0,   0,   0,  100,  100, -100, -100,0, 1,  true},
    {"Bach_Gradient",       6, 0, 0,   0,   0,   0,  100,  100, 0,    0,   3, 7,  true},
    {"Chopin_Bands",        6, 1, 0,   15,  0,   0,  100,  100, 0,    0,   3, 30, false},
    {"Tokyo_DepthFlipped",  8, 0, 0,   180, 0,   0,  300,  100, 0,    0,   3, 2,  true},
    {"Kyoto_DepthFlipped",  8, 1, 0,   0,   170, 90, 999,  100, 33,   -17, 3, 1,  false},
    {"Jin_WhiteOnBlack",    9, 0, 0,   0,   0,   0,  100,  100, 0,    0,   1, 1,  true},
    {"Roadster_Turned",     7, 1, 0,   359, 359, 359,-999, -999,0,    0,   3, 5,  true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Records, DrawVariant, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawPipeline, PointCountsFollowTheFirstIndex) {
    struct Case {
        int category, formula, firstIndex, count;
    };
    for (const Case c : {Case{0, 0, 0, 501}, Case{1, 0, 1, 500}, Case{7, 1, 0, 501}, Case{9, 1, 1, 500}}) {
        FigureRecord r = test::defaultRecord(c.category, c.formula);
        r[FigureRecord::Param1] = 1;
        DrawState& st = test::sharedState();
        draw(test::inputsFor(r), st);
        EXPECT_EQ(st.points.firstIndex, c.firstIndex);
        EXPECT_EQ(st.points.count, c.count);
    }
}

TEST(DrawPipeline, ThreeDSetUp) {
    DrawInputs in;
    EXPECT_FALSE(makeTurn(in).on);
    in.magnify = 200;  // angles 0: the turn runs but changes nothing
    EXPECT_TRUE(makeTurn(in).on);
    in.magnify = 100;
    in.rotX = 180;
    EXPECT_TRUE(makeTurn(in).front);  // only gradient mode reverses
    in.fgMode = 3;
    EXPECT_FALSE(makeTurn(in).front);
    in.zScale = -100;
    EXPECT_TRUE(makeTurn(in).front);
    EXPECT_EQ(xOffsetFor(100), 6000);
    EXPECT_EQ(xOffsetFor(-100), 0);
    EXPECT_EQ(yOffsetFor(100), 0);
    EXPECT_EQ(xOffsetFor(33), 3990);
    EXPECT_EQ(yOffsetFor(-33), 3990);
}

TEST(DrawPipeline, PenModesGiveTheColours) {
    struct Case {
        int mode;
        Colour fg, bg;
    };
    const Colour custom = 0x123456;
    for (const Case c : {Case{0, 0x000000, 0x000000}, Case{1, 0xFFFFFF, 0xFFFFFF}, Case{2, custom, custom},
                         Case{3, 0x000000, 0xFFFFFF}, Case{9, 0x000000, 0xFFFFFF}, Case{-1, 0x000000, 0xFFFFFF}}) {
        EXPECT_EQ(foregroundFor(c.mode, custom), c.fg) << c.mode;
        EXPECT_EQ(backgroundFor(c.mode, custom), c.bg) << c.mode;
    }
}

TEST(DrawPipeline, SameColourIsRefusedAndLeavesTheCanvas) {
    DrawState& st = test::sharedState();
    DrawInputs in = test::inputsFor(test::defaultRecord(0, 0));
    ASSERT_EQ(draw(in, st), DrawOutcome::Drawn);
    const std::vector<Colour> before(st.canvas.row(0), st.canvas.row(0) + 6000 * 6000);
    in.fgMode = 2;
    in.bgMode = 2;
    in.customFg = in.customBg = 0x336699;
    EXPECT_EQ(draw(in, st), DrawOutcome::SameColour);
    EXPECT_EQ(st.colours.fg, 0x336699u);
    EXPECT_EQ(std::memcmp(before.data(), st.canvas.row(0), before.size() * sizeof(Colour)), 0);
    // Gradient mode never refuses, even on a background equal to a run colour.
    in.fgMode = 3;
    in.customBg = 0x0000FF;
    EXPECT_EQ(draw(in, st), DrawOutcome::Drawn);
}

std::uint64_t canvasHash(const Canvas& c) {
    std::uint64_t h = 1469598103934665603ull;
    const Colour* p = c.data();
    for (std::size_t i = 0; i < std::size_t{6000} * 6000; ++i) h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

// The same record twice gives the same pixels, also after a different
// figure in between (the canvas refill must clean everything).
TEST(DrawPipeline, RedrawIsPixelIdentical) {
    DrawState& st = test::sharedState();
    FigureRecord r = test::defaultRecord(6, 1);
    r[FigureRecord::PenWidth] = 9;
    const DrawInputs a = test::inputsFor(r);
    draw(a, st);
    const std::uint64_t first = canvasHash(st.canvas);
    DrawInputs b = test::inputsFor(test::defaultRecord(0, 0));
    b.penWidth = 40;
    b.shiftH = 90;
    draw(b, st);
    draw(a, st);
    EXPECT_EQ(canvasHash(st.canvas), first);
    b.bgMode = 0;
    b.fgMode = 1;
    draw(b, st);
    draw(a, st);
    EXPECT_EQ(canvasHash(st.canvas), first);
}

TEST(DrawPipeline, OutOfCatalogueSelectionDrawsAnEmptyCanvas) {
    DrawState& st = test::sharedState();
    for (auto [c, f] : {std::pair{10, 0}, std::pair{0, 2}, std::pair{-1, 0}}) {
        DrawInputs in = test::inputsFor(test::defaultRecord(0, 0));
        in.category = c;
        in.formula = f;
        EXPECT_EQ(draw(in, st), DrawOutcome::Drawn);
        EXPECT_EQ(st.points.count, 0);
        EXPECT_EQ(st.extent.maxX, 0.0);
        EXPECT_EQ(st.canvas.pixel(3000, 3000), 0xFFFFFFu);
    }
}

// A record that asks for more points than the catalogue allows is drawn
// empty instead of overrunning the point arrays.
TEST(DrawPipeline, StepCountBeyondTheArraysIsRefused) {
    DrawState& st = test::sharedState();
    DrawInputs in = test::inputsFor(test::defaultRecord(1, 0));
    in.params[0] = 2001;
    EXPECT_EQ(draw(in, st), DrawOutcome::Drawn);
    EXPECT_EQ(st.points.count, 0);
    in.params[0] = -5;
    EXPECT_EQ(draw(in, st), DrawOutcome::Drawn);
    EXPECT_EQ(st.points.count, 0);
}

}  // namespace
}  // namespace lumora
