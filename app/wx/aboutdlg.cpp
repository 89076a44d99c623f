#include "app/wx/aboutdlg.h"

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/wx/gtkglue.h"

wxBEGIN_EVENT_TABLE(CAboutDlg, wxDialog)
    EVT_BUTTON(dlg::kIdOk, CAboutDlg::OnOk)
wxEND_EVENT_TABLE()

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_builder(this, CMainFrameTexts::kAboutLayout) {
    // Its lines are read as the box opens, none of them as the button's label.
    CGtkGlue::LabelNothing(this);
    CentreOnParent();
}

void CAboutDlg::OnOk(wxCommandEvent&) { EndModal(wxID_OK); }
