// "Mögliche Züge": the legal moves as coordinate texts, one of which the
// user may pick, next to a picture of the board's coordinates.
#pragma once

#include "app/core/dialogs/legalmovesdlglogic.h"
#include "app/win32/kit/dialogwindow.h"

class CLegalMovesDlg : public CDialogWindow {
public:
    // The facade is not owned.
    CLegalMovesDlg(HWND parent, CGameFacade* facade);

    // The move chosen, "" for none, once the dialog has ended.
    const CLegalMovesDlgLogic& Logic() const { return m_logic; }

private:
    bool OnInitDialog() override;
    void OnCommand(int id, int code) override;
    // The board's coordinates, from the program's pictures.
    HBITMAP PictureNamed(const char* name) override;

    CLegalMovesDlgLogic m_logic;
};
