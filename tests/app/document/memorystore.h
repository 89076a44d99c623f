// Sections of entries in memory, as the configuration file or the registry holds them.
#pragma once

#include <map>
#include <string>

#include "app/core/document/settingsstore.h"

class MemoryStore : public ISettingsStore {
public:
    bool ReadText(const char* section, const char* entry, std::string* value) override {
        const auto found = sections[section].find(entry);
        if (found == sections[section].end()) return false;
        *value = found->second;
        return true;
    }
    bool ReadNumber(const char* section, const char* entry, long* value) override {
        const auto found = numbers[section].find(entry);
        if (found == numbers[section].end()) return false;
        *value = found->second;
        return true;
    }
    void WriteText(const char* section, const char* entry, const std::string& value) override {
        sections[section][entry] = value;
    }
    void WriteNumber(const char* section, const char* entry, long value) override { numbers[section][entry] = value; }
    void DeleteSection(const char* section) override {
        sections.erase(section);
        numbers.erase(section);
    }

    std::map<std::string, std::map<std::string, std::string>> sections;
    std::map<std::string, std::map<std::string, long>> numbers;
};
