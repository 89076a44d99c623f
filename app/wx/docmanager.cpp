#include "app/wx/docmanager.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/filename.h>

#include "app/core/frame/mainframetexts.h"
#include "app/wx/filehistory.h"

wxBEGIN_EVENT_TABLE(CDocManager, wxDocManager)
    EVT_MENU(wxID_NEW, CDocManager::OnNew)
    EVT_MENU(wxID_OPEN, CDocManager::OnOpen)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE9, CDocManager::OnRecentFile)
wxEND_EVENT_TABLE()

// The base class would make its own nine-entry history before our override
// exists; initialising here makes it ours, with four entries.
CDocManager::CDocManager() : wxDocManager(0, false) { Initialize(); }

wxFileHistory* CDocManager::OnCreateFileHistory() {
    return new CFileHistory(CMainFrameTexts::kRecentFileCount);
}

void CDocManager::NewInPlace() {
    wxDocument* document = GetCurrentDocument();
    if (!document) {
        CreateNewDocument();
        return;
    }
    if (document->OnNewDocument()) document->UpdateAllViews();
}

bool CDocManager::OpenInPlace(const wxString& path) {
    wxDocument* document = GetCurrentDocument();
    if (!document) return CreateDocument(path, wxDOC_SILENT) != nullptr;
    if (!document->OnOpenDocument(path)) return false;
    AddFileToHistory(wxFileName(path).GetFullPath());
    return true;
}

void CDocManager::OnNew(wxCommandEvent&) { NewInPlace(); }

void CDocManager::OnOpen(wxCommandEvent&) {
    const wxString ext = wxString::FromUTF8(CMainFrameTexts::kFileExtension);
    const wxString filter = wxString::FromUTF8(CMainFrameTexts::kFilterName) + "|*" + ext;
    wxFileDialog dialog(wxTheApp->GetTopWindow(), _("Open File"), GetLastDirectory(), wxEmptyString, filter,
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return;
    SetLastDirectory(dialog.GetDirectory());
    OpenInPlace(dialog.GetPath());
}

// A recent file goes through the open step like any other, so that a file
// gone missing gets the program's own error box and a new game; it also
// leaves the list.
void CDocManager::OnRecentFile(wxCommandEvent& event) {
    const size_t index = static_cast<size_t>(event.GetId() - wxID_FILE1);
    if (index >= GetHistoryFilesCount()) return;
    const wxString path = GetHistoryFile(index);
    if (!OpenInPlace(path) && index < GetHistoryFilesCount() && GetHistoryFile(index) == path)
        RemoveFileFromHistory(index);
}
