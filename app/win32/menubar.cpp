#include "app/win32/menubar.h"

#include <vector>

#include "app/core/frame/commandids.h"
#include "app/core/frame/framemenu.h"
#include "app/core/frame/mainframetexts.h"
#include "app/win32/kit/widetext.h"

namespace {

void InsertEntry(HMENU menu, UINT position, const MenuEntry& entry) {
    if (entry.kind == MenuEntry::kSeparator) {
        InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        return;
    }
    const UINT greyed = entry.kind == MenuEntry::kGreyed ? MF_GRAYED : 0;
    InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING | greyed, static_cast<UINT_PTR>(entry.id),
                CWideText::Wide(entry.text).c_str());
}

}  // namespace

HMENU CMenuBar::Create(const CRecentFiles& recent) {
    HMENU bar = CreateMenu();
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m) {
        HMENU menu = CreatePopupMenu();
        for (const MenuEntry& entry : CFrameMenu::Entries(m, recent))
            InsertEntry(menu, static_cast<UINT>(GetMenuItemCount(menu)), entry);
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu),
                    CWideText::Wide(CMainFrameTexts::kMenus[m].title).c_str());
    }
    return bar;
}

void CMenuBar::ShowRecentFiles(HMENU bar, const CRecentFiles& recent) {
    HMENU file = GetSubMenu(bar, CFrameMenu::kFileMenu);
    if (!file) return;
    for (int id = cmd::kFileMruFirst; id <= cmd::kFileMruLast; ++id)
        DeleteMenu(file, static_cast<UINT>(id), MF_BYCOMMAND);
    UINT position = static_cast<UINT>(CFrameMenu::RecentPosition());
    for (const MenuEntry& entry : CFrameMenu::RecentEntries(recent)) InsertEntry(file, position++, entry);
}
