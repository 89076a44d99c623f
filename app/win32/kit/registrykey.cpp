#include "app/win32/kit/registrykey.h"

#include <vector>

CRegistryKey::CRegistryKey(const std::wstring& path, Mode mode) {
    const LONG status = mode == Mode::kCreate
                            ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                              nullptr, &m_key, nullptr)
                            : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &m_key);
    if (status != ERROR_SUCCESS) m_key = nullptr;
}

CRegistryKey::~CRegistryKey() {
    if (m_key) RegCloseKey(m_key);
}

bool CRegistryKey::ReadText(const wchar_t* name, std::wstring* value, DWORD* type) const {
    if (!m_key) return false;
    DWORD kind = 0, size = 0;
    if (RegQueryValueExW(m_key, name, nullptr, &kind, nullptr, &size) != ERROR_SUCCESS ||
        (kind != REG_SZ && kind != REG_EXPAND_SZ))
        return false;
    // Room for a terminator the stored text may lack.
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(m_key, name, nullptr, &kind, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    *value = text.data();
    if (type) *type = kind;
    return true;
}

bool CRegistryKey::ReadNumber(const wchar_t* name, DWORD* value) const {
    if (!m_key) return false;
    DWORD type = 0, number = 0, size = sizeof number;
    if (RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    *value = number;
    return true;
}

bool CRegistryKey::WriteText(const wchar_t* name, const std::wstring& value) {
    return m_key && RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool CRegistryKey::WriteNumber(const wchar_t* name, DWORD value) {
    return m_key && RegSetValueExW(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof value) == ERROR_SUCCESS;
}

bool CRegistryKey::Delete(const std::wstring& path) {
    return RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str()) == ERROR_SUCCESS;
}
