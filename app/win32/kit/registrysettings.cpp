#include "app/win32/kit/registrysettings.h"

#include <cstdint>
#include <utility>

#include "app/win32/kit/registrykey.h"
#include "app/win32/kit/widetext.h"

namespace {

constexpr const char* kSoftwareKey = "Software";
constexpr char kKeySeparator = '\\';

}  // namespace

CRegistrySettings::CRegistrySettings(std::string key) : m_key(std::move(key)) {}

std::string CRegistrySettings::UserKey(const char* vendor, const char* application) {
    return std::string(kSoftwareKey) + kKeySeparator + vendor + kKeySeparator + application;
}

std::wstring CRegistrySettings::SectionKey(const char* section) const {
    return CWideText::Wide(m_key + kKeySeparator + section);
}

bool CRegistrySettings::ReadText(const char* section, const char* entry, std::string* value) {
    const CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kRead);
    std::wstring text;
    if (!key.ReadText(CWideText::Wide(entry).c_str(), &text)) return false;
    *value = CWideText::Utf8(text);
    return true;
}

bool CRegistrySettings::ReadNumber(const char* section, const char* entry, long* value) {
    const CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kRead);
    DWORD number = 0;
    if (!key.ReadNumber(CWideText::Wide(entry).c_str(), &number)) return false;
    // Stored as the DWORD of a signed number.
    *value = static_cast<long>(static_cast<int32_t>(number));
    return true;
}

void CRegistrySettings::WriteText(const char* section, const char* entry, const std::string& value) {
    CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kCreate);
    key.WriteText(CWideText::Wide(entry).c_str(), CWideText::Wide(value));
}

void CRegistrySettings::WriteNumber(const char* section, const char* entry, long value) {
    CRegistryKey key(SectionKey(section), CRegistryKey::Mode::kCreate);
    key.WriteNumber(CWideText::Wide(entry).c_str(), static_cast<DWORD>(static_cast<int32_t>(value)));
}

void CRegistrySettings::DeleteSection(const char* section) {
    // Sections hold values only, no keys of their own.
    CRegistryKey::Delete(SectionKey(section));
}
