// "Mögliche Züge": the legal moves as coordinate texts, one of which the
// user may pick, next to a picture of the board's coordinates.
#pragma once

#include <wx/dialog.h>

#include "app/core/dialogs/legalmovesdlglogic.h"
#include "app/wx/dialogbuilder.h"

class CLegalMovesDlg : public wxDialog {
public:
    // The facade is not owned.
    CLegalMovesDlg(wxWindow* parent, CGameFacade* facade);

    // The move chosen, "" for none, once ShowModal has returned.
    const CLegalMovesDlgLogic& Logic() const { return m_logic; }
    int ShowModal() override;

private:
    void OnOk(wxCommandEvent& event);
    void OnDismiss(wxCommandEvent& event);
    void OnListActivated(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();

    CLegalMovesDlgLogic m_logic;
    CDialogBuilder m_builder;
};
