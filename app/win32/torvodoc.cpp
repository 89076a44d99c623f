#include "app/win32/torvodoc.h"

#include <commdlg.h>

#include "app/core/frame/mainframetexts.h"
#include "app/win32/clipboard.h"
#include "app/win32/mainframe.h"
#include "app/win32/messagebox.h"
#include "app/win32/widetext.h"

namespace {

// The framework's own German entry for every file.
constexpr const char* kAllFilesFilter = "Alle Dateien (*.*)";
constexpr const wchar_t* kAllFilesPattern = L"*.*";
// Long enough for any path the wide file APIs take.
constexpr DWORD kPathChars = 32768;

}  // namespace

std::wstring CTorvoDoc::Filter() {
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

bool CTorvoDoc::BeginNewDocument() {
    // A new, opened or pasted game no longer belongs to the file shown before:
    // "&Speichern" must ask for a name instead of overwriting that file.
    m_path.clear();
    return true;
}

void CTorvoDoc::SetTitle(const char* title) {
    m_title = title;
    m_frame.ShowCaption(m_title);
}

void CTorvoDoc::TitleFromPath(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    SetTitle(path.substr(slash == std::string::npos ? 0 : slash + 1).c_str());
}

void CTorvoDoc::ShowMessage(const char* text, const char* caption) {
    CMessageBox::Show(m_frame.Hwnd(), text, caption);
}

std::string CTorvoDoc::ClipboardText() {
    std::string text;
    return CClipboard::GetText(m_frame.Hwnd(), &text) ? text : std::string();
}

bool CTorvoDoc::SetClipboardText(const std::string& text) { return CClipboard::PutText(m_frame.Hwnd(), text); }

void CTorvoDoc::DocumentChanged() {
    ++m_gameNumber;
    m_frame.DocumentChanged();
}

bool CTorvoDoc::OpenFile(const std::string& path) {
    if (!m_game.OnOpenDocument(path)) return false;
    m_path = path;
    TitleFromPath(path);
    m_frame.AddRecentFile(path);
    return true;
}

bool CTorvoDoc::AskFileName(bool save, std::string* path) {
    // For saving, the game's title is the proposed name: "NeuesSpiel" for a new game.
    std::wstring name = save ? CWideText::Wide(m_title) : std::wstring();
    name.resize(kPathChars, L'\0');
    const std::wstring filter = Filter();
    const std::wstring extension = CWideText::Wide(CMainFrameTexts::kFileExtension + 1);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_frame.Hwnd();
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

void CTorvoDoc::Open() {
    std::string path;
    if (AskFileName(false, &path)) OpenFile(path);
}

bool CTorvoDoc::Save() { return m_path.empty() ? SaveAs() : SaveTo(m_path); }

bool CTorvoDoc::SaveAs() {
    std::string path;
    return AskFileName(true, &path) && SaveTo(path);
}

bool CTorvoDoc::SaveTo(const std::string& path) {
    if (!m_game.OnSaveDocument(path)) return false;
    m_path = path;
    TitleFromPath(path);
    m_frame.AddRecentFile(path);
    return true;
}
