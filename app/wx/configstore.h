// The settings store of the Linux program: the toolkit's configuration file,
// a group for each section.
#pragma once

#include "app/core/document/settingsstore.h"

class wxConfigBase;

class CConfigStore : public ISettingsStore {
public:
    explicit CConfigStore(wxConfigBase& config) : m_config(config) {}

    bool ReadText(const char* section, const char* entry, std::string* value) override;
    bool ReadNumber(const char* section, const char* entry, long* value) override;
    void WriteText(const char* section, const char* entry, const std::string& value) override;
    void WriteNumber(const char* section, const char* entry, long value) override;
    void DeleteSection(const char* section) override;

private:
    wxConfigBase& m_config;
};
