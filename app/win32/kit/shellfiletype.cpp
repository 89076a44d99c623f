#include "app/win32/kit/shellfiletype.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "app/win32/kit/registrykey.h"
#include "app/win32/kit/widetext.h"

namespace {

constexpr const char* kClassesKey = "Software\\Classes";
constexpr const wchar_t* kIconKey = L"DefaultIcon";
constexpr const wchar_t* kOpenCommandKey = L"shell\\open\\command";
constexpr const wchar_t* kPrintCommandKey = L"shell\\print\\command";

// One default value of a key below the root.
struct Entry {
    std::wstring key;
    std::wstring value;
};

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::vector<Entry> Entries(const CShellFileType::Names& names, const std::wstring& exePath,
                           const std::string& root) {
    const std::wstring base = CWideText::Wide(root) + L"\\";
    const std::wstring typeId = CWideText::Wide(names.typeId);
    const std::wstring typeKey = base + typeId;
    // A negative index names the icon by its resource number, whatever its place.
    const std::wstring icon = exePath + L",-" + std::to_wstring(names.iconResource);
    const std::wstring print = CWideText::Wide(names.printSwitch);
    return {
        {base + CWideText::Wide(names.extension), typeId},
        {typeKey, CWideText::Wide(names.typeName)},
        {typeKey + L"\\" + kIconKey, icon},
        {typeKey + L"\\" + kOpenCommandKey, Quoted(exePath) + L" " + Quoted(L"%1")},
        {typeKey + L"\\" + kPrintCommandKey, Quoted(exePath) + L" " + print + L" " + Quoted(L"%1")},
    };
}

// True when the key's default value is this text, as a plain string.
bool HasValue(const Entry& entry) {
    std::wstring value;
    DWORD type = 0;
    return CRegistryKey(entry.key, CRegistryKey::Mode::kRead).ReadText(nullptr, &value, &type) && type == REG_SZ &&
           value == entry.value;
}

bool Write(const Entry& entry) {
    CRegistryKey key(entry.key, CRegistryKey::Mode::kCreate);
    return key.WriteText(nullptr, entry.value);
}

}  // namespace

std::string CShellFileType::DefaultKey() { return kClassesKey; }

std::wstring CShellFileType::ProgramPath() {
    // The path may be longer than MAX_PATH: grow until it fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

CShellFileType::Result CShellFileType::Register(const Names& names, const std::wstring& exePath,
                                                const std::string& key) {
    bool wrote = false, failed = false;
    for (const Entry& entry : Entries(names, exePath, key)) {
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

bool CShellFileType::IsRegistered(const Names& names, const std::wstring& exePath, const std::string& key) {
    for (const Entry& entry : Entries(names, exePath, key))
        if (!HasValue(entry)) return false;
    return true;
}
