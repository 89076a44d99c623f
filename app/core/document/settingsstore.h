// Where the program keeps what it remembers between runs, as sections of
// named entries: the recent files and the number of preview pages. The Linux
// program keeps them in the toolkit's configuration file, the Windows
// program under its registry key.
#pragma once

#include <string>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // False when the entry is not there; *value is then left alone.
    virtual bool ReadText(const char* section, const char* entry, std::string* value) = 0;
    virtual bool ReadNumber(const char* section, const char* entry, long* value) = 0;
    virtual void WriteText(const char* section, const char* entry, const std::string& value) = 0;
    virtual void WriteNumber(const char* section, const char* entry, long value) = 0;
    virtual void DeleteSection(const char* section) = 0;
};
