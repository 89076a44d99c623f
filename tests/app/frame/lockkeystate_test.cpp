#include "app/core/frame/lockkeystate.h"

#include <gtest/gtest.h>

namespace {

void Press(CLockKeyState& state) {
    state.OnKeyDown();
    state.OnKeyUp();
}

}  // namespace

TEST(LockKeyState, PressesToggleWhileTheSystemKnowsNoState) {
    CLockKeyState state;
    EXPECT_FALSE(state.IsOn(false));
    Press(state);
    EXPECT_TRUE(state.IsOn(false));
    EXPECT_TRUE(state.IsOn(false));  // reading does not change it
    Press(state);
    EXPECT_FALSE(state.IsOn(false));
}

TEST(LockKeyState, TheSystemStateCountsOnceItHasBeenSeenOn) {
    CLockKeyState state;
    Press(state);
    EXPECT_TRUE(state.IsOn(true));
    Press(state);
    // The system saw the second press as well and says off.
    EXPECT_FALSE(state.IsOn(false));
    // Turned on in another program: only the system knows.
    EXPECT_TRUE(state.IsOn(true));
    // Presses in this program no longer decide.
    Press(state);
    EXPECT_FALSE(state.IsOn(false));
}

TEST(LockKeyState, KeyAlreadyOnAtStartIsShown) {
    CLockKeyState state;
    EXPECT_TRUE(state.IsOn(true));
    Press(state);
    EXPECT_FALSE(state.IsOn(false));
}

TEST(LockKeyState, HoldingTheKeyTogglesOnce) {
    CLockKeyState state;
    state.OnKeyDown();
    state.OnKeyDown();
    state.OnKeyDown();
    EXPECT_TRUE(state.IsOn(false));
    state.OnKeyUp();
    EXPECT_TRUE(state.IsOn(false));
    state.OnKeyDown();
    EXPECT_FALSE(state.IsOn(false));
}
