// The program's message boxes: wide enough to show their whole caption in
// the title bar, with the framework's German button texts. While one is up,
// repaints leave the status bar's text alone (see CPaintStatus).
#pragma once

#include <wx/msgdlg.h>
// After msgdlg.h, which it builds on.
#include <wx/generic/msgdlgg.h>

class CMessageBox : public wxGenericMessageDialog {
public:
    CMessageBox(wxWindow* parent, const wxString& text, const wxString& caption, long style = wxOK);

    int ShowModal() override;

    // Shows a box and gives the button pressed (wxID_OK, wxID_YES, wxID_NO).
    static int Show(wxWindow* parent, const wxString& text, const wxString& caption, long style = wxOK);
    static bool Showing() { return s_showing > 0; }

protected:
    // Below the text: room for the caption, so that the title bar is not cut.
    void AddMessageDialogDetails(wxSizer* sizer) override;

private:
    void OnInitDialog(wxInitDialogEvent& event);

    wxDECLARE_EVENT_TABLE();

    static int s_showing;
};
