#include "app/core/document/appsettings.h"

#include "app/core/base/mainframetexts.h"
#include "app/core/document/settingsstore.h"

void CAppSettings::Load(ISettingsStore& store) {
    m_recent.Load(store);
    store.ReadNumber(CMainFrameTexts::kSettingsSection, CMainFrameTexts::kPreviewPagesEntry, &m_previewPages);
}

void CAppSettings::Save(ISettingsStore& store) const {
    m_recent.Save(store);
    store.WriteNumber(CMainFrameTexts::kSettingsSection, CMainFrameTexts::kPreviewPagesEntry, m_previewPages);
}
