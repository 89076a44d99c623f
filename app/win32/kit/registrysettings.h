// Settings kept in the user's part of the registry below one key, a key for
// each section: texts as strings, numbers as DWORDs, as the framework keeps
// an application's profile there.
#pragma once

#include <string>

#include "app/core/document/settingsstore.h"

class CRegistrySettings : public ISettingsStore {
public:
    // key: below HKEY_CURRENT_USER.
    explicit CRegistrySettings(std::string key);
    // "Software\<vendor>\<application>", where programs keep their settings.
    static std::string UserKey(const char* vendor, const char* application);

    bool ReadText(const char* section, const char* entry, std::string* value) override;
    bool ReadNumber(const char* section, const char* entry, long* value) override;
    void WriteText(const char* section, const char* entry, const std::string& value) override;
    void WriteNumber(const char* section, const char* entry, long value) override;
    void DeleteSection(const char* section) override;

private:
    std::wstring SectionKey(const char* section) const;

    std::string m_key;
};
