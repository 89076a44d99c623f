#include "app/win32/legalmovesdlg.h"

#include "app/core/base/commandids.h"
#include "app/win32/kit/listbox.h"
#include "app/win32/resourcebitmap.h"

CLegalMovesDlg::CLegalMovesDlg(HWND parent, CGameFacade* facade)
    : CDialogWindow(parent, CLegalMovesDlgLogic::kLayout), m_logic(facade) {}

bool CLegalMovesDlg::OnInitDialog() {
    m_logic.Open();
    // The list sorts by itself; each line keeps its index in the logic's entries.
    HWND list = Item(dlg::kLegalMovesList);
    CListBox::Fill(list, m_logic.Entries());
    // The focus in the list, so that Enter closes without a move instead of
    // pressing the first button.
    SetFocus(list);
    return false;
}

void CLegalMovesDlg::OnCommand(int id, int code) {
    // A double click in the list (LBN_DBLCLK) does nothing.
    if (code != BN_CLICKED) return;
    if (id == dlg::kLegalMovesOk) {
        const int selected = CListBox::SelectedIndex(Item(dlg::kLegalMovesList));
        m_logic.Ok(selected == CListBox::kNone ? CLegalMovesDlgLogic::kNoSelection : selected);
        End(IDOK);
    } else if (id == dlg::kIdCancel) {
        m_logic.Dismiss();
        End(IDCANCEL);
    }
}

HBITMAP CLegalMovesDlg::PictureNamed(const char* name) { return CResourceBitmap::Load(name); }
