#include "app/wx/legalmovesdlg.h"

#include <wx/listbox.h>

#include "app/core/frame/commandids.h"
#include "app/wx/gtkglue.h"

CLegalMovesDlg::CLegalMovesDlg(wxWindow* parent, CGameFacade* facade)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_logic(facade), m_builder(this, CLegalMovesDlgLogic::kLayout) {
    Bind(wxEVT_BUTTON, &CLegalMovesDlg::OnOk, this, dlg::kLegalMovesOk);
    Bind(wxEVT_BUTTON, &CLegalMovesDlg::OnDismiss, this, dlg::kIdCancel);
    CDialogBuilder::BindKeys(this, dlg::kIdCancel, dlg::kIdCancel);
    // The list takes Enter itself and reports it as a double click; Enter
    // closes the dialog with no move, a double click does nothing.
    m_builder.Get<wxListBox>(dlg::kLegalMovesList)->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
        if (!CGtkGlue::HandlingKeyEvent()) return;
        wxCommandEvent cancel(wxEVT_BUTTON, dlg::kIdCancel);
        ProcessWindowEvent(cancel);
    });
    CentreOnParent();
}

int CLegalMovesDlg::ShowModal() {
    m_logic.Open();
    auto* list = m_builder.Get<wxListBox>(dlg::kLegalMovesList);
    list->Clear();
    for (const std::string& entry : m_logic.Entries()) list->Append(wxString::FromUTF8(entry.c_str()));
    list->SetFocus();
    return wxDialog::ShowModal();
}

void CLegalMovesDlg::OnOk(wxCommandEvent&) {
    const int selected = m_builder.Get<wxListBox>(dlg::kLegalMovesList)->GetSelection();
    m_logic.Ok(selected == wxNOT_FOUND ? CLegalMovesDlgLogic::kNoSelection : selected);
    EndModal(wxID_OK);
}

void CLegalMovesDlg::OnDismiss(wxCommandEvent&) {
    m_logic.Dismiss();
    EndModal(wxID_CANCEL);
}
