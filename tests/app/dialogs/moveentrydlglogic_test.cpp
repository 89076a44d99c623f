#include "app/core/dialogs/moveentrydlglogic.h"

#include <gtest/gtest.h>

TEST(MoveEntryDlgLogicTest, OkHandsOverTheText) {
    CMoveEntryDlgLogic logic;
    logic.Open();
    logic.Ok("Nf3");
    EXPECT_EQ(logic.MoveText(), "Nf3");
}

TEST(MoveEntryDlgLogicTest, LongTextIsCutToNineCharacters) {
    struct Case {
        const char* typed;
        const char* handed;
    };
    const Case cases[] = {
        {"e2e4e5e6e7e8", "e2e4e5e6e"},
        {"123456789", "123456789"},
        {"ÄÖÜäöüßDTL", "ÄÖÜäöüßDT"},  // characters, not bytes
        {"", ""},
    };
    for (const Case& c : cases) {
        CMoveEntryDlgLogic logic;
        logic.Open();
        logic.Ok(c.typed);
        EXPECT_EQ(logic.MoveText(), c.handed) << c.typed;
    }
}

TEST(MoveEntryDlgLogicTest, EveryOtherWayOutLeavesNoMove) {
    CMoveEntryDlgLogic logic;
    logic.Open();
    logic.Ok("e2e4");
    logic.Open();
    EXPECT_EQ(logic.MoveText(), "");
    logic.Dismiss();
    EXPECT_EQ(logic.MoveText(), "");
}
