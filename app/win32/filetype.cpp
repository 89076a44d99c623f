#include "app/win32/filetype.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/core/frame/mainframetexts.h"
#include "app/win32/resourceids.h"
#include "app/win32/kit/widetext.h"

namespace {

constexpr const char* kClassesKey = "Software\\Classes";
constexpr const wchar_t* kIconKey = L"DefaultIcon";
constexpr const wchar_t* kOpenCommandKey = L"shell\\open\\command";
constexpr const wchar_t* kPrintCommandKey = L"shell\\print\\command";
// The framework's switch for printing the file that follows.
constexpr const wchar_t* kPrintSwitch = L"/p";

// One default value of a key below the root.
struct Entry {
    std::wstring key;
    std::wstring value;
};

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::vector<Entry> Entries(const std::wstring& exePath, const std::string& root) {
    const std::wstring base = CWideText::Wide(root) + L"\\";
    const std::wstring typeKey = base + CWideText::Wide(CMainFrameTexts::kFileTypeId);
    // A negative index names the icon by its resource number, whatever its place.
    const std::wstring icon = exePath + L",-" + std::to_wstring(TORVO_IDI_DOCUMENT);
    return {
        {base + CWideText::Wide(CMainFrameTexts::kFileExtension), CWideText::Wide(CMainFrameTexts::kFileTypeId)},
        {typeKey, CWideText::Wide(CMainFrameTexts::kFileTypeName)},
        {typeKey + L"\\" + kIconKey, icon},
        {typeKey + L"\\" + kOpenCommandKey, Quoted(exePath) + L" " + Quoted(L"%1")},
        {typeKey + L"\\" + kPrintCommandKey, Quoted(exePath) + L" " + kPrintSwitch + L" " + Quoted(L"%1")},
    };
}

// True when the key's default value is this text, as a plain string.
bool HasValue(const Entry& entry) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, entry.key.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = 0;
    bool same = false;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) ==
            ERROR_SUCCESS)
            same = entry.value == text.data();
    }
    RegCloseKey(key);
    return same;
}

bool Write(const Entry& entry) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, entry.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG status =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()),
                       static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

std::string CFileType::DefaultKey() { return kClassesKey; }

std::wstring CFileType::ProgramPath() {
    // The path may be longer than MAX_PATH: grow until it fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

CFileType::Result CFileType::Register(const std::wstring& exePath, const std::string& key) {
    bool wrote = false, failed = false;
    for (const Entry& entry : Entries(exePath, key)) {
        if (HasValue(entry)) continue;
        if (!Write(entry)) {
            failed = true;
            break;
        }
        wrote = true;
    }
    // Explorer keeps file types cached until told, also about a part written.
    if (wrote) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    if (failed) return Result::kFailed;
    return wrote ? Result::kWritten : Result::kUnchanged;
}

bool CFileType::IsRegistered(const std::wstring& exePath, const std::string& key) {
    for (const Entry& entry : Entries(exePath, key))
        if (!HasValue(entry)) return false;
    return true;
}
