// A key in the user's part of the registry (HKEY_CURRENT_USER, where no
// administrator rights are needed), open while this object lives: texts as
// strings, numbers as DWORDs. A key that could not be opened reads nothing
// and takes nothing.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

class CRegistryKey {
public:
    enum class Mode { kRead, kCreate };

    // kCreate makes the key and the keys above it where they are missing.
    CRegistryKey(const std::wstring& path, Mode mode);
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    bool IsOpen() const { return m_key != nullptr; }

    // A null name is the key's default value. A text is a REG_SZ or
    // REG_EXPAND_SZ value, which *type tells when asked.
    bool ReadText(const wchar_t* name, std::wstring* value, DWORD* type = nullptr) const;
    bool ReadNumber(const wchar_t* name, DWORD* value) const;
    bool WriteText(const wchar_t* name, const std::wstring& value);
    bool WriteNumber(const wchar_t* name, DWORD value);

    // A key without keys below it.
    static bool Delete(const std::wstring& path);

private:
    HKEY m_key = nullptr;
};
