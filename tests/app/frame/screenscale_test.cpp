#include "app/core/frame/screenscale.h"

#include <gtest/gtest.h>

TEST(ScreenScaleTest, PixelsFollowTheMonitorsScaleRoundedToTheNearest) {
    const struct {
        int base, dpi, pixels;
    } cases[] = {
        {16, 96, 16},  {16, 144, 24}, {16, 192, 32}, {15, 144, 23},  // 22.5 rounds up
        {12, 120, 15}, {3, 144, 5},   {1, 144, 2},   {10, 168, 18},  // 17.5
        {0, 192, 0},   {7, 72, 5},    {-3, 144, -5}, {-15, 144, -23},
        {1000, 288, 3000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CScreenScale::Pixels(c.base, c.dpi), c.pixels) << c.base << " px at " << c.dpi << " dpi";
}

TEST(ScreenScaleTest, AnUnknownScaleLeavesTheSizeAsWritten) {
    for (int dpi : {0, -1, -144}) EXPECT_EQ(CScreenScale::Pixels(24, dpi), 24) << dpi;
}
