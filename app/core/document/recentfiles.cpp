#include "app/core/document/recentfiles.h"

#include <algorithm>
#include <cstdio>

#include "app/core/document/recentfilelabel.h"
#include "app/core/document/settingsstore.h"

namespace {

std::string EntryName(size_t index) {
    char name[16];
    std::snprintf(name, sizeof name, CRecentFiles::kEntryFormat, static_cast<int>(index + 1));
    return name;
}

}  // namespace

void CRecentFiles::Add(const std::string& path) {
    Insert(path);
    Changed();
}

void CRecentFiles::Insert(const std::string& path) {
    if (path.empty()) return;
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<size_t>(kMaxFiles)) m_paths.resize(kMaxFiles);
}

void CRecentFiles::Remove(size_t index) {
    if (index < m_paths.size()) m_paths.erase(m_paths.begin() + static_cast<long>(index));
    Changed();
}

void CRecentFiles::Remove(const std::string& path) {
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    Changed();
}

void CRecentFiles::Changed() const {
    if (m_changed) m_changed();
}

std::string CRecentFiles::MenuText(size_t index) const {
    return CRecentFileLabel::MenuText(static_cast<int>(index + 1), m_paths[index]);
}

void CRecentFiles::Load(ISettingsStore& store) {
    m_paths.clear();
    // Oldest first, so that File1 ends up on top.
    for (size_t i = kMaxFiles; i-- > 0;) {
        std::string path;
        if (store.ReadText(CMainFrameTexts::kRecentFileSection, EntryName(i).c_str(), &path)) Insert(path);
    }
}

void CRecentFiles::Save(ISettingsStore& store) const {
    store.DeleteSection(CMainFrameTexts::kRecentFileSection);
    for (size_t i = 0; i < m_paths.size(); ++i)
        store.WriteText(CMainFrameTexts::kRecentFileSection, EntryName(i).c_str(), m_paths[i]);
}
