#include "app/win32/registrystore.h"

#include <cstdint>
#include <utility>

#include "app/core/frame/mainframetexts.h"
#include "app/win32/kit/registrykey.h"
#include "app/win32/kit/widetext.h"

namespace {

constexpr const char* kSoftwareKey = "Software";

}  // namespace

std::string CRegistryStore::DefaultKey() {
    return std::string(kSoftwareKey) + "\\" + CMainFrameTexts::kVendorName + "\\" + CMainFrameTexts::kAppName;
}

CRegistryStore::CRegistryStore(std::string key) : m_key(std::move(key)) {}

std::wstring CRegistryStore::SectionKey(const char* section) const { return CWideText::Wide(m_key + "\\" + section); }

bool CRegistryStore::ReadText(const char* section, const char* entry, std::string* value) {
    const CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kRead);
    std::wstring text;
    if (!key.ReadText(CWideText::Wide(entry).c_str(), &text)) return false;
    *value = CWideText::Utf8(text);
    return true;
}

bool CRegistryStore::ReadNumber(const char* section, const char* entry, long* value) {
    const CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kRead);
    DWORD number = 0;
    if (!key.ReadNumber(CWideText::Wide(entry).c_str(), &number)) return false;
    // Stored as the DWORD of a signed number.
    *value = static_cast<long>(static_cast<int32_t>(number));
    return true;
}

void CRegistryStore::WriteText(const char* section, const char* entry, const std::string& value) {
    CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kCreate);
    key.WriteText(CWideText::Wide(entry).c_str(), CWideText::Wide(value));
}

void CRegistryStore::WriteNumber(const char* section, const char* entry, long value) {
    CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kCreate);
    key.WriteNumber(CWideText::Wide(entry).c_str(), static_cast<DWORD>(static_cast<int32_t>(value)));
}

void CRegistryStore::DeleteSection(const char* section) {
    // Sections hold values only, no keys of their own.
    CRegistryKey::Delete(SectionKey(section));
}
