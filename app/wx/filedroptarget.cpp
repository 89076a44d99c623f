#include "app/wx/filedroptarget.h"

#include <string>
#include <vector>

#include "app/wx/docmanager.h"
#include "app/wx/torvodoc.h"

bool CFileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
    auto* manager = wxDynamicCast(m_manager, CDocManager);
    CTorvoDoc* document = manager ? manager->Document() : nullptr;
    if (!document) return false;
    std::vector<std::string> paths;
    for (const wxString& file : files) paths.push_back(file.utf8_string());
    return document->Game().OpenDropped(paths);
}
