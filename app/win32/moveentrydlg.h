// "Zug": one move typed as text; only the OK button hands it over.
#pragma once

#include "app/core/dialogs/moveentrydlglogic.h"
#include "app/win32/kit/dialogwindow.h"

class CMoveEntryDlg : public CDialogWindow {
public:
    explicit CMoveEntryDlg(HWND parent);

    const CMoveEntryDlgLogic& Logic() const { return m_logic; }

private:
    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;

    CMoveEntryDlgLogic m_logic;
};
