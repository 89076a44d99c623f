#include "app/wx/docmanager.h"

#include "app/wx/torvodoc.h"

// Not initialised: the toolkit would make its own list of recent files. The
// list is the program's (CRecentFiles), which the frame's menu shows.
CDocManager::CDocManager() : wxDocManager(0, false) {}

CTorvoDoc* CDocManager::MakeDocument() {
    auto* single = static_cast<wxDocTemplate*>(GetTemplates().GetFirst()->GetData());
    return wxDynamicCast(single->CreateDocument(wxEmptyString, wxDOC_NEW), CTorvoDoc);
}

CTorvoDoc* CDocManager::Document() const { return wxDynamicCast(GetCurrentDocument(), CTorvoDoc); }
