#include "app/core/frame/framesize.h"

#include <gtest/gtest.h>

TEST(FrameSizeTest, TheSmallestWindowKeepsTheSmallestBoardBesideItsBarsAtTheMonitorsScale) {
    const struct {
        CFrameSize::Size chrome;
        int dpi;
        int menuRow;
        CFrameSize::Size smallest;
    } cases[] = {
        {{16, 108}, 96, 0, {176, 268}},    // borders, caption, menu, toolbar and status bar
        {{16, 108}, 144, 0, {256, 348}},   // 160 px of board become 240
        {{24, 162}, 192, 0, {344, 482}},   // at 200 % the bars have grown too
        {{0, 0}, 96, 0, {160, 160}},       // bars hidden, no borders
        {{16, 108}, 0, 0, {176, 268}},     // a monitor that tells no scale counts as 100 %
        {{16, 108}, 96, 250, {250, 268}},  // the menu in one row is wider than the board
        {{16, 108}, 96, 170, {176, 268}},  // and here narrower
    };
    for (const auto& c : cases) {
        const CFrameSize::Size smallest = CFrameSize::Smallest(c.chrome, c.dpi, c.menuRow);
        EXPECT_EQ(smallest.width, c.smallest.width) << c.chrome.width << " at " << c.dpi;
        EXPECT_EQ(smallest.height, c.smallest.height) << c.chrome.height << " at " << c.dpi;
    }
}
