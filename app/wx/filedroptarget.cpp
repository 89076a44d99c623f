#include "app/wx/filedroptarget.h"

#include "app/wx/docmanager.h"

bool CFileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
    auto* manager = wxDynamicCast(m_manager, CDocManager);
    // One game at a time: the first file counts.
    if (!manager || files.empty()) return false;
    return manager->OpenInPlace(files[0]);
}
