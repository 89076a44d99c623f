// "Haupt Einstellungen": the automatic answer and the playing level.
#pragma once

#include "app/core/dialogs/settingsdlglogic.h"
#include "app/win32/kit/dialogwindow.h"

class CSettingsDlg : public CDialogWindow {
public:
    explicit CSettingsDlg(HWND parent);

    // Set the fields before DoModal, read them afterwards.
    CSettingsDlgLogic& Logic() { return m_logic; }

private:
    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;
    void ShowLogic();

    CSettingsDlgLogic m_logic;
};
