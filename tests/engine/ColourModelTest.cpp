#include <gtest/gtest.h>
#include "engine/ColourModel.h"
TEST(ColourModel, Placeholder) { EXPECT_EQ(lumora::rgbToHsv(255, 0, 0), (lumora::Hsv{0, 255, 255})); }
