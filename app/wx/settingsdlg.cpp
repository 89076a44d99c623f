#include "app/wx/settingsdlg.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>

#include "app/core/frame/commandids.h"

CSettingsDlg::CSettingsDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxEmptyString), m_builder(this, CSettingsDlgLogic::kLayout) {
    Bind(wxEVT_CHECKBOX, &CSettingsDlg::OnAutoReply, this, dlg::kAutoReplyCheck);
    Bind(wxEVT_RADIOBUTTON, &CSettingsDlg::OnLevel, this, CSettingsDlgLogic::kFirstLevel,
         CSettingsDlgLogic::kLastLevel);
    Bind(wxEVT_BUTTON, &CSettingsDlg::OnOk, this, dlg::kSettingsOk);
    Bind(wxEVT_BUTTON, &CSettingsDlg::OnCancel, this, dlg::kIdCancel);
    CDialogBuilder::BindKeys(this, dlg::kSettingsOk, dlg::kIdCancel);
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
