// "Zug": one move typed as text; only the OK button hands it over.
#pragma once

#include <wx/dialog.h>

#include "app/core/dialogs/moveentrydlglogic.h"
#include "app/wx/dialogbuilder.h"

class CMoveEntryDlg : public wxDialog {
public:
    explicit CMoveEntryDlg(wxWindow* parent);

    const CMoveEntryDlgLogic& Logic() const { return m_logic; }
    int ShowModal() override;

private:
    void OnOk(wxCommandEvent& event);
    void OnDismiss(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();

    CMoveEntryDlgLogic m_logic;
    CDialogBuilder m_builder;
};
