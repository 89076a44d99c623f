// The frame's handlers and toolbar pictures agree with the menu, key and
// toolbar tables.
#include <gtest/gtest.h>

#include <set>

#include "app/base/menucommands.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/frame/framecontroller.h"
#include "app/core/frame/framemenu.h"

TEST(FrameTables, EveryKeyReachesAMenuCommandOrOneThatDoesNothing) {
    const std::set<int> menu = MenuCommands();
    for (int i = 0; i < CMainFrameTexts::kKeyCount; ++i) {
        const int id = CMainFrameTexts::kKeys[i].id;
        EXPECT_TRUE(menu.count(id) == 1 || CFrameController::DoesNothing(id)) << CMainFrameTexts::kKeys[i].keys;
    }
}

TEST(FrameTables, ToolbarButtonsAreMenuCommandsWithTooltips) {
    const std::set<int> menu = MenuCommands();
    int buttons = 0;
    for (int i = 0; i < CMainFrameTexts::kToolbarCount; ++i) {
        const int id = CMainFrameTexts::kToolbar[i];
        if (id == CMainFrameTexts::kSeparator) continue;
        ++buttons;
        EXPECT_EQ(menu.count(id), 1u) << id;
        EXPECT_FALSE(CMainFrameTexts::Tooltip(id).empty()) << id;
    }
    EXPECT_EQ(buttons, CFrameMenu::kPictureCount);
}
