#include "app/wx/legalmovesdlg.h"

#include <wx/listbox.h>

#include "app/core/base/commandids.h"
#include "app/wx/gtkglue.h"

wxBEGIN_EVENT_TABLE(CLegalMovesDlg, wxDialog)
    EVT_BUTTON(dlg::kLegalMovesOk, CLegalMovesDlg::OnOk)
    EVT_BUTTON(dlg::kIdCancel, CLegalMovesDlg::OnDismiss)
    EVT_LISTBOX_DCLICK(dlg::kLegalMovesList, CLegalMovesDlg::OnListActivated)
wxEND_EVENT_TABLE()

CLegalMovesDlg::CLegalMovesDlg(wxWindow* parent, CGameFacade* facade)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_logic(facade), m_builder(this, CLegalMovesDlgLogic::kLayout) {
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

// The list takes Enter itself and reports it as a double click; Enter
// closes the dialog with no move, a double click does nothing.
void CLegalMovesDlg::OnListActivated(wxCommandEvent& event) {
    if (CGtkGlue::HandlingKeyEvent()) OnDismiss(event);
}
