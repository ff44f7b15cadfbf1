// The crop square of the view and the scaling rule of the pictures.
#include <gtest/gtest.h>

#include "engine/DrawPipeline.h"
#include "engine/PaintCrop.h"
#include "engine/PictureScale.h"

namespace lumora {
namespace {

struct CropCase {
    const char* what;
    Extent extent;
    int magnify;
    CropSquare expected;
};

TEST(PaintCrop, Cases) {
    const CropCase cases[] = {
        {"point at origin", {0, 0, 0, 0}, 100, {2500, 2500, 1000}},
        {"magnify 999 falls back to 100 square", {-100, 100, -100, 100}, 999, {2950, 2950, 100}},
        {"off-centre fall-back", {10, 30, -50, -10}, 999, {2970, 2920, 100}},
        {"magnify -999, ext 2801 still inside", {-1400.5, 1400.5, 0, 0}, -999, {1, 1, 5999}},
        {"magnify -999, ext 2802 shows everything", {-1401, 1401, 0, 0}, -999, {0, 0, 6000}},
        {"default figure", {-869.37, 852.47, -861.71, 861.71}, 100, {1631, 1639, 2723}},
        // A width beyond 32 bits truncates to the lowest int and loses to the height.
        {"extent beyond 32 bits", {-1e300, 1e300, 0, 0}, 100, {2500, 2500, 1000}},
    };
    for (const auto& c : cases) EXPECT_EQ(paintCrop(c.extent, c.magnify), c.expected) << c.what;
}

TEST(PictureScale, ReductionKeepsWhatDiffersMostFromTheBackground) {
    // 4 x 4 source, one dark pixel per 2 x 2 block on white; reduced to 2 x 2.
    std::uint32_t src[16];
    for (auto& p : src) p = 0xFFFFFFFF;
    src[0 * 4 + 1] = 0xFF000000;
    src[3 * 4 + 3] = 0xFF101010;
    std::uint32_t dst[4];
    scaleSquare(src, 4, 4, 0xFFFFFFFF, dst, 2, 2);
    EXPECT_EQ(dst[0], 0xFF000000u);
    EXPECT_EQ(dst[1], 0xFFFFFFFFu);
    EXPECT_EQ(dst[3], 0xFF101010u);
    // On black the light pixels stay.
    for (auto& p : src) p = 0xFF000000;
    src[2 * 4 + 0] = 0xFFFFFFFF;
    scaleSquare(src, 4, 4, 0xFF000000, dst, 2, 2);
    EXPECT_EQ(dst[2], 0xFFFFFFFFu);
    EXPECT_EQ(dst[0], 0xFF000000u);
}

TEST(PictureScale, EnlargingPicksTheNearestPixel) {
    const std::uint32_t src[4] = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004};
    std::uint32_t dst[36];
    scaleSquare(src, 2, 2, 0xFFFFFFFF, dst, 6, 6);
    EXPECT_EQ(dst[0], 0xFF000001u);
    EXPECT_EQ(dst[2], 0xFF000001u);
    EXPECT_EQ(dst[3], 0xFF000002u);
    EXPECT_EQ(dst[5 * 6 + 5], 0xFF000004u);
}

TEST(PictureScale, CropOutsideTheCanvasReadsAsBackground) {
    static auto* canvas = new Canvas();
    canvas->fill(0x00FF00);              // green background, 0x00BBGGRR
    canvas->row(5999)[5999] = 0x0000FF;  // one red pixel in the corner
    std::uint32_t dst[100 * 100];
    scaleCrop(*canvas, {5950, 5950, 100}, dst, 100, 100);
    EXPECT_EQ(dst[49 * 100 + 49], 0xFFFF0000u);
    EXPECT_EQ(dst[99 * 100 + 99], 0xFF00FF00u);
    EXPECT_EQ(dst[0], 0xFF00FF00u);
}

}  // namespace
}  // namespace lumora
