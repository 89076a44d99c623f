#include "app/win32/menubar.h"

#include "app/core/frame/commandids.h"
#include "app/core/frame/mainframetexts.h"
#include "app/core/document/recentfiles.h"
#include "app/win32/kit/widetext.h"

namespace {

constexpr int kFileMenu = 0;

// Where the recent files go: the position of the placeholder in the table.
int RecentPosition() {
    const Menu& file = CMainFrameTexts::kMenus[kFileMenu];
    for (int i = 0; i < file.count; ++i)
        if (file.items[i].id == cmd::kFileMruFirst) return i;
    return file.count;
}

}  // namespace

HMENU CMenuBar::Create(const CRecentFiles& recent) {
    HMENU bar = CreateMenu();
    for (int m = 0; m < CMainFrameTexts::kMenuCount; ++m) {
        const Menu& source = CMainFrameTexts::kMenus[m];
        HMENU menu = CreatePopupMenu();
        for (int i = 0; i < source.count; ++i) {
            const MenuItem& item = source.items[i];
            if (item.id == CMainFrameTexts::kSeparator)
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            else if (item.id != cmd::kFileMruFirst)
                AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), CWideText::Wide(item.text).c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), CWideText::Wide(source.title).c_str());
    }
    ShowRecentFiles(bar, recent);
    return bar;
}

void CMenuBar::ShowRecentFiles(HMENU bar, const CRecentFiles& recent) {
    HMENU file = GetSubMenu(bar, kFileMenu);
    if (!file) return;
    for (int id = cmd::kFileMruFirst; id <= cmd::kFileMruLast; ++id)
        DeleteMenu(file, static_cast<UINT>(id), MF_BYCOMMAND);
    const UINT position = static_cast<UINT>(RecentPosition());
    if (recent.Count() == 0) {
        InsertMenuW(file, position, MF_BYPOSITION | MF_STRING | MF_GRAYED, cmd::kFileMruFirst,
                    CWideText::Wide(CMainFrameTexts::kRecentFilesMenuText).c_str());
        return;
    }
    for (size_t i = 0; i < recent.Count(); ++i)
        InsertMenuW(file, position + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(cmd::kFileMruFirst + static_cast<int>(i)),
                    CWideText::Wide(recent.MenuText(i)).c_str());
}
