#include "app/core/dialogs/settingsdlglogic.h"

#include <gtest/gtest.h>

#include "app/core/base/commandids.h"

namespace {

CSettingsDlgLogic Opened(int autoReply, uint16_t level) {
    CSettingsDlgLogic logic;
    logic.m_autoReply = autoReply;
    logic.m_level = level;
    logic.Open();
    return logic;
}

}  // namespace

TEST(SettingsDlgLogicTest, StartsWithAutomaticAnswerAndClubLevel) {
    CSettingsDlgLogic logic;
    EXPECT_EQ(logic.m_autoReply, 1);
    EXPECT_EQ(logic.m_level, dlg::kLevel3);
}

TEST(SettingsDlgLogicTest, OpeningShowsTheFields) {
    CSettingsDlgLogic logic = Opened(0, dlg::kLevel2);
    EXPECT_EQ(logic.AutoReplyChecked(), 0);
    EXPECT_EQ(logic.CheckedLevel(), dlg::kLevel2);
}

TEST(SettingsDlgLogicTest, LevelPickedThenCancelledStillHolds) {
    CSettingsDlgLogic logic = Opened(1, dlg::kLevel3);
    logic.ClickLevel(dlg::kLevel1);
    logic.Cancel();
    EXPECT_EQ(logic.m_level, dlg::kLevel1);
    EXPECT_EQ(logic.m_autoReply, 1);
}

TEST(SettingsDlgLogicTest, AutomaticAnswerChangesOnlyThroughOk) {
    CSettingsDlgLogic cancelled = Opened(1, dlg::kLevel3);
    cancelled.ClickAutoReply();
    EXPECT_EQ(cancelled.AutoReplyChecked(), 0);
    cancelled.Cancel();
    EXPECT_EQ(cancelled.m_autoReply, 1);

    CSettingsDlgLogic confirmed = Opened(1, dlg::kLevel3);
    confirmed.ClickAutoReply();
    confirmed.Ok();
    EXPECT_EQ(confirmed.m_autoReply, 0);
    EXPECT_EQ(confirmed.m_level, dlg::kLevel3);
}

TEST(SettingsDlgLogicTest, CheckBoxTurnsOverOnEachClick) {
    CSettingsDlgLogic logic = Opened(0, dlg::kLevel3);
    logic.ClickAutoReply();
    logic.ClickAutoReply();
    logic.ClickAutoReply();
    logic.Ok();
    EXPECT_EQ(logic.m_autoReply, 1);
}

TEST(SettingsDlgLogicTest, OkTakesTheLastCheckedLevel) {
    CSettingsDlgLogic logic = Opened(1, dlg::kLevel1);
    logic.ClickLevel(dlg::kLevel4);
    logic.ClickLevel(dlg::kLevel2);
    logic.Ok();
    EXPECT_EQ(logic.m_level, dlg::kLevel2);
}

TEST(SettingsDlgLogicTest, OkWithNoLevelCheckedGivesZero) {
    CSettingsDlgLogic logic = Opened(1, 7);
    EXPECT_EQ(logic.CheckedLevel(), CSettingsDlgLogic::kNoLevel);
    logic.Ok();
    EXPECT_EQ(logic.m_level, CSettingsDlgLogic::kNoLevel);
}

TEST(SettingsDlgLogicTest, IdsOutsideTheLevelGroupAreIgnored) {
    CSettingsDlgLogic logic = Opened(1, dlg::kLevel3);
    logic.ClickLevel(dlg::kLevelGroup);
    logic.ClickLevel(dlg::kLevel4 + 1);
    EXPECT_EQ(logic.m_level, dlg::kLevel3);
    EXPECT_EQ(logic.CheckedLevel(), dlg::kLevel3);
}

// Each button stands for the engine's level of its place; an id that is no
// level button stands for none.
TEST(SettingsDlgLogicTest, LevelButtonsStandForTheEnginesLevelsInOrder) {
    struct Case {
        int id;
        EngineLevel level;
    };
    const Case cases[] = {{dlg::kLevel1, EngineLevel::kLevel1},     {dlg::kLevel2, EngineLevel::kLevel2},
                          {dlg::kLevel3, EngineLevel::kLevel3},     {dlg::kLevel4, EngineLevel::kLevel4},
                          {dlg::kLevel1 - 1, EngineLevel::kNone},   {dlg::kLevel4 + 1, EngineLevel::kNone},
                          {CSettingsDlgLogic::kNoLevel, EngineLevel::kNone}};
    for (const Case& c : cases) EXPECT_EQ(CSettingsDlgLogic::EngineLevelOf(c.id), c.level) << c.id;
}
