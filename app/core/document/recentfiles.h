// The recently used files, newest first, at most four; kept in the settings
// as "File1" to "File4" of the section "Recent File List".
#pragma once

#include <string>
#include <vector>

#include "app/core/frame/mainframetexts.h"

class ISettingsStore;

class CRecentFiles {
public:
    static constexpr int kMaxFiles = CMainFrameTexts::kRecentFileCount;
    static constexpr const char* kEntryFormat = "File%d";

    // Puts the file on top; one that was listed moves up, the oldest drops out.
    void Add(const std::string& path);
    void Remove(size_t index);
    size_t Count() const { return m_paths.size(); }
    const std::string& Path(size_t index) const { return m_paths[index]; }
    // "&1 ..." for the menu.
    std::string MenuText(size_t index) const;

    // Reads the list, skipping empty and repeated entries; what was listed goes.
    void Load(ISettingsStore& store);
    // Writes the list in place of the one stored.
    void Save(ISettingsStore& store) const;

private:
    std::vector<std::string> m_paths;
};
