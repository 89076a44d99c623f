#include "app/win32/kit/filedialog.h"

#include <commdlg.h>

#include "app/win32/kit/widetext.h"

namespace {

// Long enough for any path the wide file APIs take.
constexpr DWORD kPathChars = 32768;

}  // namespace

std::wstring CFileDialog::FilterText(const std::vector<Filter>& filters) {
    std::wstring text;
    for (const Filter& filter : filters) {
        text += CWideText::Wide(filter.name);
        text += L'\0';
        text += CWideText::Wide(filter.pattern);
        text += L'\0';
    }
    text += L'\0';
    return text;
}

bool CFileDialog::Ask(HWND owner, bool save, const std::vector<Filter>& filters, const char* extension,
                      const std::string& folder, const std::string& proposed, std::string* path) {
    // A name with its folder opens the dialog there; a folder given on its
    // own would give way to the last one the user chose.
    const std::wstring initialFolder = CWideText::Wide(folder);
    std::wstring name = CWideText::Wide(proposed);
    if (!initialFolder.empty() && !name.empty()) {
        const wchar_t last = initialFolder.back();
        name = initialFolder + (last == L'\\' || last == L'/' ? L"" : L"\\") + name;
    }
    name.resize(kPathChars, L'\0');
    const std::wstring filter = FilterText(filters);
    const std::wstring defaultExtension = CWideText::Wide(extension);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = &name[0];
    dialog.nMaxFile = kPathChars;
    dialog.lpstrDefExt = defaultExtension.c_str();
    if (!initialFolder.empty()) dialog.lpstrInitialDir = initialFolder.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return false;
    *path = CWideText::Utf8(name.c_str());
    return true;
}
