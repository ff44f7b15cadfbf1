// Colour conversions, the HSV blend and the colour-run tables.
#include <gtest/gtest.h>

#include <cstdio>

#include "engine/ColourModel.h"
#include "engine/ColourRun.h"
#include "engine/PlainPanes.h"
#include "tests/support/DataFiles.h"

namespace lumora {
namespace {

struct RgbHsvCase {
    Rgb rgb;
    Hsv hsv;
};

TEST(ColourModel, RgbToHsvCorners) {
    const RgbHsvCase cases[] = {
        {{255, 0, 0}, {0, 255, 255}},   {{0, 255, 0}, {120, 255, 255}}, {{0, 0, 255}, {240, 255, 255}},
        {{0, 0, 0}, {0, 0, 0}},         {{128, 128, 128}, {0, 0, 128}}, {{255, 0, 1}, {359, 255, 255}},
        {{255, 255, 255}, {0, 0, 255}}, {{1, 2, 3}, {210, 170, 3}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rgbToHsv(c.rgb.r, c.rgb.g, c.rgb.b), c.hsv) << c.rgb.r << "," << c.rgb.g << "," << c.rgb.b;
    }
}

TEST(ColourModel, HsvToRgbGreysAndWrap) {
    for (int v = 0; v <= 255; ++v) EXPECT_EQ(hsvToRgb(0, 0, v), (Rgb{v, v, v}));
    // 360 is the same hue as 0.
    for (int s : {0, 100, 255})
        for (int v : {0, 77, 255}) EXPECT_EQ(hsvToRgb(360, s, v), hsvToRgb(0, s, v));
    EXPECT_EQ(hsvToRgb(240, 255, 255), (Rgb{0, 0, 255}));
}

// Every fully saturated hue survives the round trip through RGB within the
// rounding of the single-precision steps; the pure primaries exactly.
TEST(ColourModel, RoundTripOfPrimaries) {
    for (int h : {0, 60, 120, 180, 240, 300}) {
        const Rgb c = hsvToRgb(h, 255, 255);
        EXPECT_EQ(rgbToHsv(c.r, c.g, c.b), (Hsv{h, 255, 255}));
    }
}

TEST(ColourModel, GradientTakesTheShorterWayAndRisesAtATie) {
    Colour out[240];
    // Red to blue: 240 apart, so the hue runs down through magenta.
    hsvGradient(240, out, 0x0000FF, 0xFF0000);
    EXPECT_EQ(out[0], 0x0000FFu);
    EXPECT_EQ(rgbToHsv(redOf(out[2]), greenOf(out[2]), blueOf(out[2])).h, 359);
    for (int k = 0; k < 240; ++k) EXPECT_EQ(greenOf(out[k]), 0) << k;

    // Yellow (60) and blue (240) are exactly 180 apart: the hue rises either way,
    // through green one way and through red the other.
    Colour tie[180];
    hsvGradient(180, tie, 0x00FFFF, 0xFF0000);
    EXPECT_EQ(tie[60], 0x00FF00u);
    hsvGradient(180, tie, 0xFF0000, 0x00FFFF);
    EXPECT_EQ(tie[60], 0xFF00FFu);
    EXPECT_EQ(tie[120], 0x0000FFu);
}

TEST(ColourModel, GradientWithNoCountWritesNothing) {
    Colour out[2] = {0x123456, 0x654321};
    hsvGradient(0, out, 0, 0xFFFFFF);
    hsvGradient(-5, out, 0, 0xFFFFFF);
    EXPECT_EQ(out[0], 0x123456u);
    EXPECT_EQ(out[1], 0x654321u);
}

TEST(ColourModel, HueStripOfSix) {
    Colour out[6];
    hueStrip(6, out);
    const Colour expected[6] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(out[k], expected[k]) << k;
}

class ColourRunTables : public ::testing::TestWithParam<const char*> {};

TEST_P(ColourRunTables, MatchStoredTables) {
    const std::string file = GetParam();
    std::array<bool, 5> on{true, true, true, true, true};
    if (file == "colour-run-colour4-off.tsv") on[2] = false;
    ColourRun run;
    buildGradientTable(PlainPen::kDefaultColours, on, run.gradient);
    buildBandTable(PlainPen::kDefaultColours, on, run.band);
    const auto rows = test::readTsv(std::string(LUMORA_TEST_DATA) + "/" + file);
    ASSERT_EQ(rows.size(), 720u);
    for (const auto& row : rows) {
        const auto i = static_cast<std::size_t>(std::stoi(row[0]));
        char g[8], b[8];
        std::snprintf(g, sizeof g, "%06X", run.gradient[i]);
        std::snprintf(b, sizeof b, "%06X", run.band[i]);
        EXPECT_EQ(g, row[1]) << "gradient " << i;
        EXPECT_EQ(b, row[2]) << "band " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Switches, ColourRunTables,
                         ::testing::Values("colour-run-all-on.tsv", "colour-run-colour4-off.tsv"));

TEST(ColourRun, PointColourIndexRunsOverTheRepeats) {
    ColourRun run;
    for (int j = 0; j < ColourRun::kLength; ++j) run.gradient[static_cast<std::size_t>(j)] = static_cast<Colour>(j);
    // Repeat 1, N = 500: j = (i * 720) / 500.
    const int expected[] = {0, 1, 2, 4, 5, 7};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pointColour(run, i, 500, 1, true), static_cast<Colour>(expected[i]));
    // Repeat 2: the run starts again halfway.
    EXPECT_EQ(pointColour(run, 250, 500, 2, true), 0u);
    EXPECT_EQ(pointColour(run, 500, 500, 1, true), 0u);  // index N wraps to the start
}

}  // namespace
}  // namespace lumora
