#include "app/wx/docmanager.h"

#include "app/wx/torvodoc.h"

wxBEGIN_EVENT_TABLE(CDocManager, wxDocManager)
    EVT_MENU(wxID_NEW, CDocManager::OnNew)
    EVT_MENU(wxID_OPEN, CDocManager::OnOpen)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE9, CDocManager::OnRecentFile)
wxEND_EVENT_TABLE()

// Not initialised: the toolkit would make its own list of recent files. The
// list is the program's (CRecentFiles), which the frame's menu shows.
CDocManager::CDocManager() : wxDocManager(0, false) {}

CTorvoDoc* CDocManager::MakeDocument() {
    auto* single = static_cast<wxDocTemplate*>(GetTemplates().GetFirst()->GetData());
    return wxDynamicCast(single->CreateDocument(wxEmptyString, wxDOC_NEW), CTorvoDoc);
}

CTorvoDoc* CDocManager::Document() const { return wxDynamicCast(GetCurrentDocument(), CTorvoDoc); }

void CDocManager::OnNew(wxCommandEvent&) {
    if (CTorvoDoc* document = Document()) document->OnNewDocument();
}

void CDocManager::OnOpen(wxCommandEvent&) {
    if (CTorvoDoc* document = Document()) document->Game().Open();
}

void CDocManager::OnRecentFile(wxCommandEvent& event) {
    if (CTorvoDoc* document = Document()) document->Game().OpenRecent(static_cast<size_t>(event.GetId() - wxID_FILE1));
}
