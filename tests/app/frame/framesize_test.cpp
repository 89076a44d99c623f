#include "app/core/frame/framesize.h"

#include <gtest/gtest.h>

TEST(FrameSizeTest, TheSmallestWindowKeepsTheSmallestBoardBesideItsBarsAtTheMonitorsScale) {
    const struct {
        CFrameSize::Size chrome;
        int dpi;
        CFrameSize::Size smallest;
    } cases[] = {
        {{16, 108}, 96, {176, 268}},   // borders, caption, menu, toolbar and status bar
        {{16, 108}, 144, {256, 348}},  // 160 px of board become 240
        {{24, 162}, 192, {344, 482}},  // at 200 % the bars have grown too
        {{8, 120}, 96, {168, 280}},    // a menu in three rows in a narrow window
        {{0, 0}, 96, {160, 160}},      // bars hidden, no borders
        {{16, 108}, 0, {176, 268}},    // a monitor that tells no scale counts as 100 %
    };
    for (const auto& c : cases) {
        const CFrameSize::Size smallest = CFrameSize::Smallest(c.chrome, c.dpi);
        EXPECT_EQ(smallest.width, c.smallest.width) << c.chrome.width << " at " << c.dpi;
        EXPECT_EQ(smallest.height, c.smallest.height) << c.chrome.height << " at " << c.dpi;
    }
}
