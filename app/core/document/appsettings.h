// What the program keeps between runs, read at its start and written at its
// end in one place: the recent-file list and the print preview's page count.
#pragma once

#include "app/core/document/recentfiles.h"

class ISettingsStore;

class CAppSettings {
public:
    static constexpr long kDefaultPreviewPages = 1;

    // Entries that are not there leave their defaults.
    void Load(ISettingsStore& store);
    void Save(ISettingsStore& store) const;

    CRecentFiles& RecentFiles() { return m_recent; }
    long PreviewPages() const { return m_previewPages; }
    void SetPreviewPages(long pages) { m_previewPages = pages; }

private:
    CRecentFiles m_recent;
    long m_previewPages = kDefaultPreviewPages;
};
