#include "app/win32/kit/editbox.h"

#include <gtest/gtest.h>

TEST(EditBox, TextComesAsUtf8AndClearingCanBeUndone) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 100, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(CEditBox::Text(edit), "");
    SetWindowTextW(edit, L"Sch\u00fcler");
    EXPECT_EQ(CEditBox::Text(edit), "Sch\xC3\xBCler");
    CEditBox::Clear(edit);
    EXPECT_EQ(CEditBox::Text(edit), "");
    SendMessageW(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(CEditBox::Text(edit), "Sch\xC3\xBCler");
    DestroyWindow(edit);
}
