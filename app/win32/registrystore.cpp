#include "app/win32/registrystore.h"

#include <utility>

#include "app/core/base/mainframetexts.h"

CRegistryStore::CRegistryStore(std::string key) : CRegistrySettings(std::move(key)) {}

std::string CRegistryStore::DefaultKey() {
    return UserKey(CMainFrameTexts::kVendorName, CMainFrameTexts::kAppName);
}
