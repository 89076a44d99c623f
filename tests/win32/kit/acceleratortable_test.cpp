#include "app/win32/kit/acceleratortable.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AcceleratorTable, KeyTextsBecomeVirtualKeysWithTheirModifiers) {
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
        ASSERT_TRUE(CAcceleratorTable::Parse(c.keys, 42, &entry)) << c.keys;
        EXPECT_EQ(entry.fVirt, c.flags) << c.keys;
        EXPECT_EQ(entry.key, c.key) << c.keys;
        EXPECT_EQ(entry.cmd, 42) << c.keys;
    }
    ACCEL entry = {};
    for (const char* unknown : {"", "Ctrl+", "F13", "F0", "Hyper+A", "ctrl+n"})
        EXPECT_FALSE(CAcceleratorTable::Parse(unknown, 1, &entry)) << unknown;
}

TEST(AcceleratorTable, KeysItDoesNotKnowAreLeftOutOfTheTable) {
    const std::vector<CAcceleratorTable::Binding> bindings = {{"F7", 11}, {"Hyper+A", 12}, {"Ctrl+Delete", 13}};
    const std::vector<ACCEL> entries = CAcceleratorTable::Entries(bindings);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].cmd, 11);
    EXPECT_EQ(entries[1].cmd, 13);
    const HACCEL table = CAcceleratorTable::Create(bindings);
    ASSERT_NE(table, nullptr);
    ACCEL copied[2] = {};
    ASSERT_EQ(CopyAcceleratorTableA(table, copied, 2), 2);
    EXPECT_EQ(copied[1].key, VK_DELETE);
    EXPECT_EQ(copied[1].fVirt, FVIRTKEY | FCONTROL);
    DestroyAcceleratorTable(table);
}
