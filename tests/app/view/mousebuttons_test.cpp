#include "app/core/view/mousebuttons.h"

#include <gtest/gtest.h>

// The left button picks and moves only when nothing else is held with it.
TEST(MouseButtons, OnlyTheLeftButtonAlonePicks) {
    const struct {
        const char* held;
        bool MouseButtons::*flag;
    } cases[] = {
        {"Shift", &MouseButtons::shift},   {"Ctrl", &MouseButtons::control},
        {"middle", &MouseButtons::middle}, {"right", &MouseButtons::right},
        {"side 1", &MouseButtons::extra1}, {"side 2", &MouseButtons::extra2},
    };
    EXPECT_TRUE(MouseButtons().LeftAlone());
    for (const auto& c : cases) {
        MouseButtons held;
        held.*c.flag = true;
        EXPECT_FALSE(held.LeftAlone()) << c.held;
    }
    MouseButtons all;
    for (const auto& c : cases) all.*c.flag = true;
    EXPECT_FALSE(all.LeftAlone());
}
