#include "app/win32/legalmovesdlg.h"

#include "app/core/frame/commandids.h"
#include "app/win32/kit/widetext.h"
#include "app/win32/resourcebitmap.h"

CLegalMovesDlg::CLegalMovesDlg(HWND parent, CGameFacade* facade)
    : CDialogWindow(parent, CLegalMovesDlgLogic::kLayout), m_logic(facade) {}

bool CLegalMovesDlg::OnInitDialog() {
    m_logic.Open();
    HWND list = Item(dlg::kLegalMovesList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const auto& entries = m_logic.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        // The list sorts by itself; each line keeps its index in the logic's entries.
        const LRESULT line =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CWideText::Wide(entries[i]).c_str()));
        if (line >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(line), static_cast<LPARAM>(i));
    }
    // The focus in the list, so that Enter closes without a move instead of
    // pressing the first button.
    SetFocus(list);
    return false;
}

void CLegalMovesDlg::OnCommand(int id, int code) {
    // A double click in the list (LBN_DBLCLK) does nothing.
    if (code != BN_CLICKED) return;
    if (id == dlg::kLegalMovesOk) {
        HWND list = Item(dlg::kLegalMovesList);
        const LRESULT line = SendMessageW(list, LB_GETCURSEL, 0, 0);
        const int selected = line == LB_ERR ? CLegalMovesDlgLogic::kNoSelection
                                            : static_cast<int>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(line), 0));
        m_logic.Ok(selected);
        End(IDOK);
    } else if (id == dlg::kIdCancel || id == dlg::kIdOk) {
        // Enter arrives as IDOK, since no button is the default: no move.
        m_logic.Dismiss();
        End(IDCANCEL);
    }
}

HBITMAP CLegalMovesDlg::PictureNamed(const char* name) { return CResourceBitmap::Load(name); }
