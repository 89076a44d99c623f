#include "app/core/frame/framemenu.h"

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/core/document/recentfiles.h"

std::vector<MenuEntry> CFrameMenu::Entries(int menu, const CRecentFiles& recent) {
    std::vector<MenuEntry> entries;
    if (menu < 0 || menu >= CMainFrameTexts::kMenuCount) return entries;
    const Menu& source = CMainFrameTexts::kMenus[menu];
    for (int i = 0; i < source.count; ++i) {
        const MenuItem& item = source.items[i];
        if (item.id == CMainFrameTexts::kSeparator) {
            entries.push_back({MenuEntry::kSeparator, item.id, std::string(), std::string()});
        } else if (IsRecentFile(item.id)) {
            const std::vector<MenuEntry> files = RecentEntries(recent);
            entries.insert(entries.end(), files.begin(), files.end());
        } else {
            entries.push_back({IsCheckItem(item.id) ? MenuEntry::kCheck : MenuEntry::kCommand, item.id, item.text,
                               CMainFrameTexts::StatusPrompt(item.id)});
        }
    }
    return entries;
}

std::vector<MenuEntry> CFrameMenu::RecentEntries(const CRecentFiles& recent) {
    const std::string prompt = CMainFrameTexts::StatusPrompt(cmd::kFileMruFirst);
    if (recent.Count() == 0)
        return {{MenuEntry::kGreyed, cmd::kFileMruFirst, CMainFrameTexts::kRecentFilesMenuText, prompt}};
    std::vector<MenuEntry> entries;
    for (size_t i = 0; i < recent.Count(); ++i)
        entries.push_back({MenuEntry::kCommand, cmd::kFileMruFirst + static_cast<int>(i), recent.MenuText(i), prompt});
    return entries;
}

int CFrameMenu::RecentPosition() {
    const Menu& file = CMainFrameTexts::kMenus[kFileMenu];
    for (int i = 0; i < file.count; ++i)
        if (IsRecentFile(file.items[i].id)) return i;
    return file.count;
}

bool CFrameMenu::IsRecentFile(int id) { return id >= cmd::kFileMruFirst && id <= cmd::kFileMruLast; }

bool CFrameMenu::IsCheckItem(int id) { return id == cmd::kViewToolbar || id == cmd::kViewStatusBar; }

std::vector<ToolButton> CFrameMenu::Buttons() {
    std::vector<ToolButton> buttons;
    int picture = 0;
    for (int i = 0; i < CMainFrameTexts::kToolbarCount; ++i) {
        const int id = CMainFrameTexts::kToolbar[i];
        if (id == CMainFrameTexts::kSeparator)
            buttons.push_back({id, -1, std::string(), std::string()});
        else
            buttons.push_back({id, picture++, CMainFrameTexts::Tooltip(id), CMainFrameTexts::StatusPrompt(id)});
    }
    return buttons;
}

bool CFrameMenu::ButtonPicture(const CPixelBuffer& strip, int picture, CPixelBuffer* out) {
    if (picture < 0 || strip.Width() < (picture + 1) * kButtonWidth || strip.Height() < kButtonHeight) return false;
    out->Resize(kButtonWidth, kButtonHeight);
    out->Blit(0, 0, kButtonWidth, kButtonHeight, strip, picture * kButtonWidth, 0, CPixelBuffer::kCopy);
    return true;
}
