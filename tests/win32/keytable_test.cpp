#include "app/win32/keytable.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/frame/commandids.h"
#include "app/core/frame/mainframetexts.h"

TEST(KeyTable, KeyTextsBecomeVirtualKeysWithTheirModifiers) {
    const struct {
        const char* keys;
        BYTE flags;
        WORD key;
    } cases[] = {
        {"F2", FVIRTKEY, VK_F2},
        {"F12", FVIRTKEY, VK_F12},
        {"Ctrl+N", FVIRTKEY | FCONTROL, 'N'},
        {"Ctrl+Insert", FVIRTKEY | FCONTROL, VK_INSERT},
        {"Shift+Delete", FVIRTKEY | FSHIFT, VK_DELETE},
        {"Shift+F6", FVIRTKEY | FSHIFT, VK_F6},
        {"Alt+Back", FVIRTKEY | FALT, VK_BACK},
        {"Ctrl+Shift+Z", FVIRTKEY | FCONTROL | FSHIFT, 'Z'},
    };
    for (const auto& c : cases) {
        ACCEL entry = {};
        ASSERT_TRUE(CKeyTable::Parse(c.keys, 42, &entry)) << c.keys;
        EXPECT_EQ(entry.fVirt, c.flags) << c.keys;
        EXPECT_EQ(entry.key, c.key) << c.keys;
        EXPECT_EQ(entry.cmd, 42) << c.keys;
    }
    ACCEL entry = {};
    for (const char* unknown : {"", "Ctrl+", "F13", "F0", "Hyper+A", "ctrl+n"})
        EXPECT_FALSE(CKeyTable::Parse(unknown, 1, &entry)) << unknown;
}

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
