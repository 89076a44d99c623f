#include "app/wx/docmanager.h"

#include "app/wx/torvodoc.h"
#include "app/wx/torvoview.h"

wxBEGIN_EVENT_TABLE(CDocManager, wxDocManager)
    EVT_MENU(wxID_PRINT, CDocManager::OnPrintNotation)
wxEND_EVENT_TABLE()

// Not initialised: the toolkit would make its own list of recent files. The
// list is the program's (CRecentFiles), which the frame's menu shows.
CDocManager::CDocManager() : wxDocManager(0, false) {}

CTorvoDoc* CDocManager::MakeDocument() {
    auto* single = static_cast<wxDocTemplate*>(GetTemplates().GetFirst()->GetData());
    return wxDynamicCast(single->CreateDocument(wxEmptyString, wxDOC_NEW), CTorvoDoc);
}

CTorvoDoc* CDocManager::Document() const { return wxDynamicCast(GetCurrentDocument(), CTorvoDoc); }

void CDocManager::OnPrintNotation(wxCommandEvent&) {
    auto* view = wxDynamicCast(GetCurrentView(), CTorvoView);
    if (!view) return;
    // With the printer and paper of "D&ruck Einstellung...", as the toolkit's own print step takes them.
    wxPrintDialogData data(m_pageSetupDialogData.GetPrintData());
    view->Print(&data);
}
