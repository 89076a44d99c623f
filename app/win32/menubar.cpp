#include "app/win32/menubar.h"

#include <vector>

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/frame/framemenu.h"
#include "app/win32/kit/menutable.h"

namespace {

std::vector<CMenuTable::Item> Items(const std::vector<MenuEntry>& entries) {
    std::vector<CMenuTable::Item> items;
    for (const MenuEntry& entry : entries) {
        const CMenuTable::Item::Kind kind = entry.kind == MenuEntry::kSeparator ? CMenuTable::Item::kSeparator
                                            : entry.kind == MenuEntry::kGreyed  ? CMenuTable::Item::kGreyed
                                                                                : CMenuTable::Item::kCommand;
        items.push_back({kind, entry.id, entry.text});
    }
    return items;
}

}  // namespace

HMENU CMenuBar::Create(const CRecentFiles& recent) {
    std::vector<CMenuTable::Popup> popups;
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m)
        popups.push_back({CMainFrameTexts::kMenus[m].title, Items(CFrameMenu::Entries(m, recent))});
    return CMenuTable::CreateBar(popups);
}

void CMenuBar::ShowRecentFiles(HMENU bar, const CRecentFiles& recent) {
    if (HMENU file = GetSubMenu(bar, CFrameMenu::kFileMenu))
        CMenuTable::Replace(file, cmd::kFileMruFirst, cmd::kFileMruLast, CFrameMenu::RecentPosition(),
                            Items(CFrameMenu::RecentEntries(recent)));
}
