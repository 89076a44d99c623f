#include "app/win32/menubar.h"

#include <gtest/gtest.h>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/document/recentfiles.h"

namespace {

std::wstring ItemText(HMENU menu, UINT position) {
    wchar_t text[200] = {};
    GetMenuStringW(menu, position, text, 200, MF_BYPOSITION);
    return text;
}

}  // namespace

TEST(MenuBar, MenusAndItemsInTheTablesOrderWithTheirTexts) {
    CRecentFiles none;
    HMENU bar = CMenuBar::Create(none);
    ASSERT_EQ(GetMenuItemCount(bar), CMainFrameTexts::kMenuCount);
    EXPECT_EQ(ItemText(bar, 1), L"&Z\u00fcge");
    HMENU moves = GetSubMenu(bar, 1);
    EXPECT_EQ(ItemText(moves, 0), L"&M\u00f6gliche Z\u00fcge \tF3");
    EXPECT_EQ(GetMenuItemID(moves, 0), static_cast<UINT>(cmd::kLegalMoves));

    // Without recent files the greyed placeholder holds their place.
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(file), CMainFrameTexts::kMenus[0].count);
    const UINT state = GetMenuState(file, cmd::kFileMruFirst, MF_BYCOMMAND);
    EXPECT_TRUE(state & MF_GRAYED);
    DestroyMenu(bar);
}

TEST(MenuBar, RecentFilesTakeThePlaceholdersPlace) {
    CRecentFiles recent;
    recent.Add("C:\\a.pgn");
    recent.Add("C:\\b.pgn");
    HMENU bar = CMenuBar::Create(recent);
    HMENU file = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(file), CMainFrameTexts::kMenus[0].count + 1);
    EXPECT_EQ(GetMenuState(file, cmd::kFileMruFirst, MF_BYCOMMAND) & MF_GRAYED, 0u);
    // The placeholder stood at position 9, between two separators.
    EXPECT_EQ(ItemText(file, 9), L"&1 C:\\b.pgn");
    EXPECT_EQ(ItemText(file, 10), L"&2 C:\\a.pgn");
    EXPECT_EQ(GetMenuItemID(file, 10), static_cast<UINT>(cmd::kFileMruFirst + 1));

    // Emptied again: the placeholder comes back, once.
    CMenuBar::ShowRecentFiles(bar, CRecentFiles());
    EXPECT_EQ(GetMenuItemCount(file), CMainFrameTexts::kMenus[0].count);
    EXPECT_EQ(ItemText(file, 9), L"Letzte Datei");
    DestroyMenu(bar);
}
