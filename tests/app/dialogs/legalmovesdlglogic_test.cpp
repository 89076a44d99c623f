#include "app/core/dialogs/legalmovesdlglogic.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/gamefacade.h"

namespace {

int IndexOf(const CLegalMovesDlgLogic& logic, const std::string& text) {
    const auto& entries = logic.Entries();
    auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? CLegalMovesDlgLogic::kNoSelection : static_cast<int>(it - entries.begin());
}

void Play(CGameFacade& facade, std::initializer_list<const char*> moves) {
    for (const char* move : moves) ASSERT_STREQ(facade.EnterMove(move), "") << move;
}

}  // namespace

TEST(LegalMovesDlgLogicTest, StartListsTwentyMovesSorted) {
    CGameFacade facade;
    CLegalMovesDlgLogic logic(&facade);
    logic.Open();
    const auto& entries = logic.Entries();
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries.front(), "a2a3");
    EXPECT_EQ(entries.back(), "h2h4");
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    EXPECT_EQ(logic.GameOver(), 0);
}

TEST(LegalMovesDlgLogicTest, OkWithSelectionHandsTheMoveOver) {
    CGameFacade facade;
    CLegalMovesDlgLogic logic(&facade);
    logic.Open();
    logic.Ok(IndexOf(logic, "g1f3"));
    EXPECT_EQ(logic.HasMove(), 1);
    EXPECT_STREQ(logic.GetMoveText(), "g1f3");
}

TEST(LegalMovesDlgLogicTest, NoSelectionOrDismissGivesNoMove) {
    CGameFacade facade;
    CLegalMovesDlgLogic okWithout(&facade);
    okWithout.Open();
    okWithout.Ok(CLegalMovesDlgLogic::kNoSelection);
    EXPECT_EQ(okWithout.HasMove(), 0);
    EXPECT_STREQ(okWithout.GetMoveText(), "");

    CLegalMovesDlgLogic dismissed(&facade);
    dismissed.Open();
    dismissed.Dismiss();
    EXPECT_EQ(dismissed.HasMove(), 0);
    EXPECT_STREQ(dismissed.GetMoveText(), "");
}

TEST(LegalMovesDlgLogicTest, MatedSideSeesTheEndLinesAndCannotPickThem) {
    CGameFacade facade;
    Play(facade, {"f3", "e5", "g4", "Qh4"});
    CLegalMovesDlgLogic logic(&facade);
    logic.Open();
    ASSERT_EQ(logic.Entries().size(), 2u);
    EXPECT_EQ(logic.Entries()[0], CLegalMovesDlgLogic::kMateOrStalemateLine);
    EXPECT_EQ(logic.Entries()[1], CLegalMovesDlgLogic::kGameOverLine);
    EXPECT_EQ(logic.GameOver(), 1);
    logic.Ok(0);
    EXPECT_EQ(logic.HasMove(), 0);
}

TEST(LegalMovesDlgLogicTest, PromotionsAreListedWithTheirLetter) {
    CPosition start{};
    ASSERT_EQ(start.SetupFen("8/4P3/8/8/8/8/k7/7K w - - 0 1"), "");
    CGameFacade facade(start);
    CLegalMovesDlgLogic logic(&facade);
    logic.Open();
    EXPECT_NE(IndexOf(logic, "e7e8q"), CLegalMovesDlgLogic::kNoSelection);
    logic.Ok(IndexOf(logic, "e7e8q"));
    EXPECT_STREQ(logic.GetMoveText(), "e7e8q");
}
