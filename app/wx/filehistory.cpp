#include "app/wx/filehistory.h"

#include <wx/menu.h>

#include "app/core/document/recentfilelabel.h"

void CFileHistory::AddFileToHistory(const wxString& file) {
    wxFileHistory::AddFileToHistory(file);
    Changed();
}

void CFileHistory::RemoveFileFromHistory(size_t i) {
    wxFileHistory::RemoveFileFromHistory(i);
    Changed();
}

void CFileHistory::AddFilesToMenu(wxMenu* menu) {
    wxFileHistory::AddFilesToMenu(menu);
    Relabel();
}

void CFileHistory::Relabel() {
    for (wxList::compatibility_iterator node = GetMenus().GetFirst(); node; node = node->GetNext()) {
        auto* menu = static_cast<wxMenu*>(node->GetData());
        for (size_t i = 0; i < GetCount(); ++i) {
            wxMenuItem* item = menu->FindItem(GetBaseId() + static_cast<int>(i));
            if (!item) continue;
            const std::string label = CRecentFileLabel::MenuText(
                static_cast<int>(i + 1), static_cast<const char*>(GetHistoryFile(i).utf8_str()));
            item->SetItemLabel(wxString::FromUTF8(label.c_str()));
        }
    }
}

void CFileHistory::Changed() {
    Relabel();
    if (m_changed) m_changed();
}
