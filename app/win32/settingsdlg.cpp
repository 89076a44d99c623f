#include "app/win32/settingsdlg.h"

#include "app/core/base/commandids.h"

CSettingsDlg::CSettingsDlg(HWND parent) : CDialogWindow(parent, CSettingsDlgLogic::kLayout) {}

bool CSettingsDlg::OnInitDialog() {
    m_logic.Open();
    ShowLogic();
    return true;
}

void CSettingsDlg::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == dlg::kAutoReplyCheck) {
        m_logic.ClickAutoReply();
        ShowLogic();
    } else if (CSettingsDlgLogic::IsLevel(id)) {
        m_logic.ClickLevel(id);
        ShowLogic();
    } else if (id == dlg::kSettingsOk) {
        m_logic.Ok();
        End(IDOK);
    } else if (id == dlg::kIdCancel) {
        m_logic.Cancel();
        End(IDCANCEL);
    }
}

void CSettingsDlg::ShowLogic() {
    CheckDlgButton(Window(), dlg::kAutoReplyCheck, m_logic.AutoReplyChecked() != 0 ? BST_CHECKED : BST_UNCHECKED);
    // An id outside the range leaves every level button unchecked.
    CheckRadioButton(Window(), CSettingsDlgLogic::kFirstLevel, CSettingsDlgLogic::kLastLevel, m_logic.CheckedLevel());
}
