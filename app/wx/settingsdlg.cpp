#include "app/wx/settingsdlg.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>

#include "app/core/base/commandids.h"

wxBEGIN_EVENT_TABLE(CSettingsDlg, wxDialog)
    EVT_CHECKBOX(dlg::kAutoReplyCheck, CSettingsDlg::OnAutoReply)
    EVT_COMMAND_RANGE(CSettingsDlgLogic::kFirstLevel, CSettingsDlgLogic::kLastLevel, wxEVT_RADIOBUTTON,
                      CSettingsDlg::OnLevel)
    EVT_BUTTON(dlg::kSettingsOk, CSettingsDlg::OnOk)
    EVT_BUTTON(dlg::kIdCancel, CSettingsDlg::OnCancel)
wxEND_EVENT_TABLE()

CSettingsDlg::CSettingsDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_builder(this, CSettingsDlgLogic::kLayout) {
    CentreOnParent();
}

int CSettingsDlg::ShowModal() {
    m_logic.Open();
    ShowLogic();
    return wxDialog::ShowModal();
}

void CSettingsDlg::ShowLogic() {
    m_builder.Get<wxCheckBox>(dlg::kAutoReplyCheck)->SetValue(m_logic.AutoReplyChecked() != 0);
    for (int id = CSettingsDlgLogic::kFirstLevel; id <= CSettingsDlgLogic::kLastLevel; ++id)
        m_builder.Get<wxRadioButton>(id)->SetValue(id == m_logic.CheckedLevel());
}

void CSettingsDlg::OnAutoReply(wxCommandEvent&) {
    // The toolkit has turned the box over already; the logic decides.
    m_logic.ClickAutoReply();
    ShowLogic();
}

void CSettingsDlg::OnLevel(wxCommandEvent& event) {
    m_logic.ClickLevel(event.GetId());
    ShowLogic();
}

void CSettingsDlg::OnOk(wxCommandEvent&) {
    m_logic.Ok();
    EndModal(wxID_OK);
}

void CSettingsDlg::OnCancel(wxCommandEvent&) {
    m_logic.Cancel();
    EndModal(wxID_CANCEL);
}
