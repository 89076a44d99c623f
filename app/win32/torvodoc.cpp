#include "app/win32/torvodoc.h"

#include <vector>

#include "app/core/base/mainframetexts.h"
#include "app/win32/kit/clipboard.h"
#include "app/win32/kit/filedialog.h"
#include "app/win32/kit/messagebox.h"

namespace {

// Our files, then all files.
std::vector<CFileDialog::Filter> Filters() {
    return {{CMainFrameTexts::kFilterName, std::string("*") + CMainFrameTexts::kFileExtension},
            {CMainFrameTexts::kAllFilesFilterName, CFileDialog::kAllFilesPattern}};
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

bool CTorvoDoc::AskOpenName(std::string* path) { return AskFileName(false, std::string(), path); }

bool CTorvoDoc::AskSaveName(const std::string&, const std::string& name, std::string* path) {
    return AskFileName(true, name, path);
}

bool CTorvoDoc::AskFileName(bool save, const std::string& proposed, std::string* path) {
    // The extension without its dot.
    return CFileDialog::Ask(m_window.Hwnd(), save, Filters(), CMainFrameTexts::kFileExtension + 1, proposed, path);
}
