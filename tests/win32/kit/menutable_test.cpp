#include "app/win32/kit/menutable.h"

#include <gtest/gtest.h>

namespace {

using Item = CMenuTable::Item;

std::wstring ItemText(HMENU menu, UINT position) {
    wchar_t text[200] = {};
    GetMenuStringW(menu, position, text, 200, MF_BYPOSITION);
    return text;
}

}  // namespace

TEST(MenuTable, MenusAndItemsInTheTablesOrderWithKindsAndTexts) {
    HMENU bar = CMenuTable::CreateBar({
        {"&Datei", {{Item::kCommand, 10, "&Neu\tCtrl+N"}, {Item::kSeparator, 0, ""}, {Item::kGreyed, 20, "Letzte"}}},
        {"&Z\xC3\xBCge", {{Item::kCommand, 30, "&M\xC3\xB6gliche"}}},
    });
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(ItemText(bar, 1), L"&Z\u00fcge");
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(ItemText(file, 0), L"&Neu\tCtrl+N");
    EXPECT_EQ(GetMenuItemID(file, 0), 10u);
    EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(file, 20, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(ItemText(GetSubMenu(bar, 1), 0), L"&M\u00f6gliche");
    DestroyMenu(bar);
}

TEST(MenuTable, ARunOfIdsIsReplacedInPlace) {
    HMENU bar = CMenuTable::CreateBar(
        {{"&Datei", {{Item::kCommand, 10, "&Neu"}, {Item::kGreyed, 20, "Letzte"}, {Item::kCommand, 90, "&Ende"}}}});
    HMENU file = GetSubMenu(bar, 0);
    CMenuTable::Replace(file, 20, 23, 1, {{Item::kCommand, 20, "&1 a"}, {Item::kCommand, 21, "&2 b"}});
    ASSERT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(ItemText(file, 1), L"&1 a");
    EXPECT_EQ(GetMenuItemID(file, 2), 21u);
    EXPECT_EQ(GetMenuState(file, 20, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuItemID(file, 3), 90u);
    // Back to the placeholder, once.
    CMenuTable::Replace(file, 20, 23, 1, {{Item::kGreyed, 20, "Letzte"}});
    ASSERT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(ItemText(file, 1), L"Letzte");
    EXPECT_EQ(ItemText(file, 2), L"&Ende");
    DestroyMenu(bar);
}

TEST(MenuTable, CheckMarksOnlyOnTheItemsThatHaveThem) {
    HMENU bar = CMenuTable::CreateBar({{"&Ansicht",
                                        {{Item::kCommand, 10, "&Leiste"},
                                         {Item::kCommand, 11, "&Zeile"},
                                         {Item::kSeparator, 0, ""},
                                         {Item::kCommand, 12, "&Anderes"}}}});
    HMENU view = GetSubMenu(bar, 0);
    CheckMenuItem(view, 12, MF_BYCOMMAND | MF_CHECKED);
    const auto hasCheck = [](int id) { return id == 10 || id == 11; };
    CMenuTable::SetChecks(view, hasCheck, [](int id) { return id == 10; });
    EXPECT_TRUE(GetMenuState(view, 10, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(view, 11, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(view, 12, MF_BYCOMMAND) & MF_CHECKED) << "not ours to change";
    CMenuTable::SetChecks(view, hasCheck, [](int id) { return id == 11; });
    EXPECT_FALSE(GetMenuState(view, 10, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(view, 11, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(bar);
}
