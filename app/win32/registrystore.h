// The settings store of the Windows program: the user's part of the
// registry, under "Software\Halvorn IT\torvo", a key for each section; texts
// as strings, numbers as DWORDs, as the framework keeps its profile there.
#pragma once

#include <string>

#include "app/core/document/settingsstore.h"

class CRegistryStore : public ISettingsStore {
public:
    // The program's own key below HKEY_CURRENT_USER; tests pass another.
    explicit CRegistryStore(std::string key = DefaultKey());
    static std::string DefaultKey();

    bool ReadText(const char* section, const char* entry, std::string* value) override;
    bool ReadNumber(const char* section, const char* entry, long* value) override;
    void WriteText(const char* section, const char* entry, const std::string& value) override;
    void WriteNumber(const char* section, const char* entry, long value) override;
    void DeleteSection(const char* section) override;

private:
    std::wstring SectionKey(const char* section) const;

    std::string m_key;
};
