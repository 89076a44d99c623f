// Files dropped on the main window open like "&Öffnen...".
#pragma once

#include <wx/dnd.h>

class wxDocManager;

class CFileDropTarget : public wxFileDropTarget {
public:
    explicit CFileDropTarget(wxDocManager* manager) : m_manager(manager) {}
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

private:
    wxDocManager* m_manager;
};
