// "Haupt Einstellungen": the automatic answer and the playing level.
#pragma once

#include <wx/dialog.h>

#include "app/core/dialogs/settingsdlglogic.h"
#include "app/wx/dialogbuilder.h"

class CSettingsDlg : public wxDialog {
public:
    explicit CSettingsDlg(wxWindow* parent);

    // Set the fields before ShowModal, read them afterwards.
    CSettingsDlgLogic& Logic() { return m_logic; }
    int ShowModal() override;

private:
    void ShowLogic();
    void OnAutoReply(wxCommandEvent& event);
    void OnLevel(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();

    CSettingsDlgLogic m_logic;
    CDialogBuilder m_builder;
};
