#include "app/wx/moveentrydlg.h"

#include <wx/textctrl.h>

#include "app/core/base/commandids.h"

wxBEGIN_EVENT_TABLE(CMoveEntryDlg, wxDialog)
    EVT_BUTTON(dlg::kMoveEntryOk, CMoveEntryDlg::OnOk)
    EVT_BUTTON(dlg::kIdCancel, CMoveEntryDlg::OnDismiss)
wxEND_EVENT_TABLE()

CMoveEntryDlg::CMoveEntryDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_builder(this, CMoveEntryDlgLogic::kLayout) {
    CentreOnParent();
}

int CMoveEntryDlg::ShowModal() {
    m_logic.Open();
    auto* edit = m_builder.Get<wxTextCtrl>(dlg::kMoveEdit);
    edit->Clear();
    edit->SetFocus();
    return wxDialog::ShowModal();
}

void CMoveEntryDlg::OnOk(wxCommandEvent&) {
    m_logic.Ok(static_cast<const char*>(m_builder.Get<wxTextCtrl>(dlg::kMoveEdit)->GetValue().utf8_str()));
    EndModal(wxID_OK);
}

void CMoveEntryDlg::OnDismiss(wxCommandEvent&) {
    m_logic.Dismiss();
    EndModal(wxID_CANCEL);
}
