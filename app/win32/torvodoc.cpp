#include "app/win32/torvodoc.h"

#include <vector>

#include "app/core/base/mainframetexts.h"
#include "app/core/document/filechoice.h"
#include "app/win32/kit/clipboard.h"
#include "app/win32/kit/filedialog.h"
#include "app/win32/kit/messagebox.h"

namespace {

std::vector<CFileDialog::Filter> Filters() {
    std::vector<CFileDialog::Filter> filters;
    for (int i = 0; i < CFileChoice::kFilterCount; ++i)
        filters.push_back({CFileChoice::kFilters[i].name, CFileChoice::kFilters[i].pattern});
    return filters;
}

}  // namespace

CTorvoDoc::CTorvoDoc(Window& window, CRecentFiles& recent) : m_window(window) { m_game.UseRecentFiles(&recent); }

void CTorvoDoc::SetTitle(const char* title) { m_window.ShowCaption(title); }

void CTorvoDoc::ShowMessage(const char* text, const char* caption) {
    CMessageBox::Show(m_window.Hwnd(), text, caption);
}

void CTorvoDoc::ShowStop(const char* text, const char* caption) {
    CMessageBox::Show(m_window.Hwnd(), text, caption, MB_OK | MB_ICONSTOP);
}

std::string CTorvoDoc::ClipboardText() {
    std::string text;
    return CClipboard::GetText(m_window.Hwnd(), &text) ? text : std::string();
}

bool CTorvoDoc::SetClipboardText(const std::string& text) { return CClipboard::PutText(m_window.Hwnd(), text); }

void CTorvoDoc::DocumentChanged() { m_window.DocumentChanged(); }

// An empty folder leaves it to the system, which opens where the program's dialogs were last.
bool CTorvoDoc::AskOpenName(std::string* path) { return AskFileName(false, std::string(), std::string(), path); }

bool CTorvoDoc::AskSaveName(const std::string& current, const std::string& name, std::string* path) {
    return AskFileName(true, CFileChoice::SaveFolder(current), name, path);
}

bool CTorvoDoc::AskFileName(bool save, const std::string& folder, const std::string& proposed, std::string* path) {
    // The extension without its dot.
    return CFileDialog::Ask(m_window.Hwnd(), save, Filters(), CMainFrameTexts::kFileExtension + 1, folder, proposed,
                            path);
}
