#include "app/win32/torvodoc.h"

#include <commdlg.h>

#include "app/core/frame/mainframetexts.h"
#include "app/win32/kit/clipboard.h"
#include "app/win32/kit/messagebox.h"
#include "app/win32/kit/widetext.h"

namespace {

// The framework's own German entry for every file.
constexpr const char* kAllFilesFilter = "Alle Dateien (*.*)";
constexpr const wchar_t* kAllFilesPattern = L"*.*";
// Long enough for any path the wide file APIs take.
constexpr DWORD kPathChars = 32768;

// The file dialogs' filter: our files, then all files.
std::wstring Filter() {
    std::wstring filter = CWideText::Wide(CMainFrameTexts::kFilterName);
    filter += L'\0';
    filter += L'*' + CWideText::Wide(CMainFrameTexts::kFileExtension);
    filter += L'\0';
    filter += CWideText::Wide(kAllFilesFilter);
    filter += L'\0';
    filter += kAllFilesPattern;
    filter += L'\0';
    return filter;  // the system wants a second terminator, which c_str() gives
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
    std::wstring name = CWideText::Wide(proposed);
    name.resize(kPathChars, L'\0');
    const std::wstring filter = Filter();
    const std::wstring extension = CWideText::Wide(CMainFrameTexts::kFileExtension + 1);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_window.Hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = &name[0];
    dialog.nMaxFile = kPathChars;
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return false;
    *path = CWideText::Utf8(name.c_str());
    return true;
}
