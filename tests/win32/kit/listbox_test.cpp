#include "app/win32/kit/listbox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ListBox, ASortedListsLinesKeepTheirTextsIndices) {
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_SORT | LBS_NOTIFY, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    CListBox::Fill(list, {"c", "a", "b"});
    EXPECT_EQ(CListBox::SelectedIndex(list), CListBox::kNone);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    const struct {
        int line;
        const wchar_t* text;
        int index;
    } cases[] = {{0, L"a", 1}, {1, L"b", 2}, {2, L"c", 0}};
    for (const auto& c : cases) {
        wchar_t text[8] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(c.line), reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, c.text);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(c.line), 0);
        EXPECT_EQ(CListBox::SelectedIndex(list), c.index) << c.line;
    }
    // Filled anew: the old lines go.
    CListBox::Fill(list, {"\xC3\xBC"});
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(CListBox::SelectedIndex(list), CListBox::kNone);
    DestroyWindow(list);
}
