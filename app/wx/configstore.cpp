#include "app/wx/configstore.h"

#include <wx/config.h>

namespace {

wxString Key(const char* section, const char* entry) {
    return "/" + wxString::FromUTF8(section) + "/" + wxString::FromUTF8(entry);
}

}  // namespace

bool CConfigStore::ReadText(const char* section, const char* entry, std::string* value) {
    wxString text;
    if (!m_config.Read(Key(section, entry), &text)) return false;
    *value = text.utf8_string();
    return true;
}

bool CConfigStore::ReadNumber(const char* section, const char* entry, long* value) {
    return m_config.Read(Key(section, entry), value);
}

void CConfigStore::WriteText(const char* section, const char* entry, const std::string& value) {
    m_config.Write(Key(section, entry), wxString::FromUTF8(value.c_str()));
}

void CConfigStore::WriteNumber(const char* section, const char* entry, long value) {
    m_config.Write(Key(section, entry), value);
}

void CConfigStore::DeleteSection(const char* section) { m_config.DeleteGroup("/" + wxString::FromUTF8(section)); }
