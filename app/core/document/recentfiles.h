// The recently used files, newest first, at most four; kept in the settings
// as "File1" to "File4" of the section "Recent File List".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/core/base/mainframetexts.h"

class ISettingsStore;

class CRecentFiles {
public:
    static constexpr int kMaxFiles = CMainFrameTexts::kRecentFileCount;
    static constexpr const char* kEntryFormat = "File%d";

    // Puts the file on top; one that was listed moves up, the oldest drops out.
    void Add(const std::string& path);
    void Remove(size_t index);
    void Remove(const std::string& path);
    size_t Count() const { return m_paths.size(); }
    const std::string& Path(size_t index) const { return m_paths[index]; }
    // "&1 ..." for the menu.
    std::string MenuText(size_t index) const;
    // Told after Add and Remove, so that the menu shows the list anew.
    void SetChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    // Reads the list, skipping empty and repeated entries; what was listed goes.
    void Load(ISettingsStore& store);
    // Writes the list in place of the one stored.
    void Save(ISettingsStore& store) const;

private:
    void Insert(const std::string& path);
    void Changed() const;

    std::vector<std::string> m_paths;
    std::function<void()> m_changed;
};
