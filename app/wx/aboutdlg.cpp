#include "app/wx/aboutdlg.h"

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"

wxBEGIN_EVENT_TABLE(CAboutDlg, wxDialog)
    EVT_BUTTON(dlg::kIdOk, CAboutDlg::OnOk)
wxEND_EVENT_TABLE()

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_builder(this, CMainFrameTexts::kAboutLayout) {
    CentreOnParent();
}

void CAboutDlg::OnOk(wxCommandEvent&) { EndModal(wxID_OK); }
