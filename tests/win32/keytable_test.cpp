#include "app/win32/keytable.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"

TEST(KeyTable, EveryKeyOfTheProgramIsInTheTable) {
    const std::vector<ACCEL> entries = CKeyTable::Entries();
    ASSERT_EQ(entries.size(), static_cast<size_t>(CMainFrameTexts::kKeyCount));
    bool flip = false;
    for (const ACCEL& entry : entries) flip |= entry.key == VK_F7 && entry.cmd == cmd::kFlipBoard;
    EXPECT_TRUE(flip);
    const HACCEL table = CKeyTable::Create();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(CopyAcceleratorTableA(table, nullptr, 0), CMainFrameTexts::kKeyCount);
    DestroyAcceleratorTable(table);
}
