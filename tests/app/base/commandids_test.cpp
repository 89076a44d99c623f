#include "app/core/base/commandids.h"

#include <gtest/gtest.h>

#include <set>

#include "app/core/base/mainframetexts.h"

TEST(CommandIdsTest, EveryCommandGetsADistinctToolkitIdThatMapsBack) {
    std::set<int> toolkitIds;
    auto check = [&](int command) {
        const int id = cmd::ToolkitId(command);
        EXPECT_GT(id, 0) << command;
        EXPECT_LT(id, cmd::kToolkitIdLimit) << command;
        EXPECT_EQ(cmd::CommandOf(id), command);
        toolkitIds.insert(id);
    };
    std::set<int> commands;
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m)
        for (int i = 0; i < CMainFrameTexts::kMenus[m].count; ++i)
            if (CMainFrameTexts::kMenus[m].items[i].id != CMainFrameTexts::kSeparator)
                commands.insert(CMainFrameTexts::kMenus[m].items[i].id);
    for (int i = 0; i < CMainFrameTexts::kKeyCount; ++i) commands.insert(CMainFrameTexts::kKeys[i].id);
    for (int i = cmd::kFileMruFirst; i <= cmd::kFileMruLast; ++i) commands.insert(i);
    for (int command : commands) check(command);
    EXPECT_EQ(toolkitIds.size(), commands.size());
}
