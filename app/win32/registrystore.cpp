#include "app/win32/registrystore.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "app/core/frame/mainframetexts.h"
#include "app/win32/kit/widetext.h"

namespace {

constexpr const char* kSoftwareKey = "Software";

// An open key, closed when it goes.
class CKey {
public:
    CKey(const std::wstring& path, bool create) {
        const LONG status = create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                     KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr)
                                   : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &m_key);
        if (status != ERROR_SUCCESS) m_key = nullptr;
    }
    ~CKey() {
        if (m_key) RegCloseKey(m_key);
    }
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

}  // namespace

std::string CRegistryStore::DefaultKey() {
    return std::string(kSoftwareKey) + "\\" + CMainFrameTexts::kVendorName + "\\" + CMainFrameTexts::kAppName;
}

CRegistryStore::CRegistryStore(std::string key) : m_key(std::move(key)) {}

std::wstring CRegistryStore::SectionKey(const char* section) const { return CWideText::Wide(m_key + "\\" + section); }

bool CRegistryStore::ReadText(const char* section, const char* entry, std::string* value) {
    CKey key(SectionKey(section), false);
    if (!key.Get()) return false;
    const std::wstring name = CWideText::Wide(entry);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    *value = CWideText::Utf8(std::wstring(text.data()));
    return true;
}

bool CRegistryStore::ReadNumber(const char* section, const char* entry, long* value) {
    CKey key(SectionKey(section), false);
    if (!key.Get()) return false;
    DWORD type = 0, number = 0, size = sizeof number;
    if (RegQueryValueExW(key.Get(), CWideText::Wide(entry).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    // Stored as the DWORD of a signed number.
    *value = static_cast<long>(static_cast<int32_t>(number));
    return true;
}

void CRegistryStore::WriteText(const char* section, const char* entry, const std::string& value) {
    CKey key(SectionKey(section), true);
    if (!key.Get()) return;
    const std::wstring text = CWideText::Wide(value);
    RegSetValueExW(key.Get(), CWideText::Wide(entry).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void CRegistryStore::WriteNumber(const char* section, const char* entry, long value) {
    CKey key(SectionKey(section), true);
    if (!key.Get()) return;
    const DWORD number = static_cast<DWORD>(static_cast<int32_t>(value));
    RegSetValueExW(key.Get(), CWideText::Wide(entry).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
}

void CRegistryStore::DeleteSection(const char* section) {
    // Sections hold values only, no keys of their own.
    RegDeleteKeyW(HKEY_CURRENT_USER, SectionKey(section).c_str());
}
