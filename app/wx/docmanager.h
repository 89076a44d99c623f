// The document manager of a single-document program: a new game, an opened
// file and a recent file reuse the one document and its view, so that the
// view's settings (orientation, level, automatic answer) stay for the run.
#pragma once

#include <wx/docview.h>

class CDocManager : public wxDocManager {
public:
    CDocManager();

    wxFileHistory* OnCreateFileHistory() override;

    // Opens a file into the open document; false when it cannot be read.
    bool OpenInPlace(const wxString& path);
    // The new-game step on the open document.
    void NewInPlace();

private:
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
