#include "app/win32/kit/menuselection.h"

#include <gtest/gtest.h>

TEST(MenuSelection, ItemsSystemItemsAndTheClosedMenu) {
    using Kind = CMenuSelection::Kind;
    const LPARAM menu = 0x1234;  // any menu handle
    const struct {
        UINT item, flags;
        LPARAM menu;
        Kind kind;
        int id;
    } cases[] = {
        {32775, MF_STRING, menu, Kind::kItem, 32775},
        {32775, MF_STRING | MF_HILITE | MF_MOUSESELECT, menu, Kind::kItem, 32775},
        {1, MF_POPUP | MF_HILITE, menu, Kind::kItem, CMenuSelection::kNoCommand},
        {0, MF_SEPARATOR, menu, Kind::kItem, CMenuSelection::kNoCommand},
        // The system's own low bits go.
        {SC_MOVE | 2, MF_SYSMENU | MF_HILITE, menu, Kind::kSystemItem, SC_MOVE},
        {SC_CLOSE, MF_SYSMENU, menu, Kind::kSystemItem, SC_CLOSE},
        {0, MF_SYSMENU | MF_POPUP, menu, Kind::kSystemItem, CMenuSelection::kNoCommand},
        {0, 0xFFFF, 0, Kind::kClosed, CMenuSelection::kNoCommand},
        // All flags but a menu still there: not closed.
        {0, 0xFFFF, menu, Kind::kSystemItem, CMenuSelection::kNoCommand},
    };
    for (const auto& c : cases) {
        const CMenuSelection::Pointed pointed = CMenuSelection::Decode(MAKEWPARAM(c.item, c.flags), c.menu);
        EXPECT_EQ(pointed.kind, c.kind) << c.item << " " << c.flags;
        EXPECT_EQ(pointed.id, c.id) << c.item << " " << c.flags;
    }
}
