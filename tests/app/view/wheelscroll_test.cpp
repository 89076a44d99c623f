#include "app/core/view/wheelscroll.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WheelScrollTest, NotchesAndTheirPartsBecomeWholeLines) {
    const struct {
        const char* name;
        int linesPerNotch;
        std::vector<int> rotations;
        std::vector<int> lines;
    } cases[] = {
        {"one notch each way", 3, {120, -120}, {3, -3}},
        {"the user's own setting", 5, {120, 240}, {5, 10}},
        {"a touchpad's small parts add up", 3, {30, 30, 30, 30}, {0, 1, 1, 1}},
        {"a part the other way drops the rest", 3, {30, -30, -30}, {0, 0, -1}},
        {"one line a notch", 1, {60, 60, 60}, {0, 1, 0}},
        {"wheel scrolling switched off", 0, {120, 480}, {0, 0}},
    };
    for (const auto& c : cases) {
        CWheelScroll wheel;
        for (size_t i = 0; i < c.rotations.size(); ++i)
            EXPECT_EQ(wheel.Lines(c.rotations[i], c.linesPerNotch), c.lines[i]) << c.name << ", turn " << i;
    }
}
