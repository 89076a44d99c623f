#include "app/wx/aboutdlg.h"

#include "app/core/frame/commandids.h"
#include "app/core/frame/mainframetexts.h"

CAboutDlg::CAboutDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_builder(this, CMainFrameTexts::kAboutLayout) {
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_OK); }, dlg::kIdOk);
    CDialogBuilder::BindKeys(this, dlg::kIdOk, dlg::kIdOk);
    CentreOnParent();
}
