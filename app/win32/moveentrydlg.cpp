#include "app/win32/moveentrydlg.h"

#include "app/core/base/commandids.h"
#include "app/win32/kit/editbox.h"

CMoveEntryDlg::CMoveEntryDlg(HWND parent) : CDialogWindow(parent, CMoveEntryDlgLogic::kLayout) {}

bool CMoveEntryDlg::OnInitDialog() {
    m_logic.Open();
    HWND edit = Item(dlg::kMoveEdit);
    CEditBox::Clear(edit);
    SetFocus(edit);
    return false;
}

void CMoveEntryDlg::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == dlg::kMoveEntryOk) {
        m_logic.Ok(CEditBox::Text(Item(dlg::kMoveEdit)));
        End(IDOK);
    } else if (id == dlg::kIdCancel) {
        m_logic.Dismiss();
        End(IDCANCEL);
    }
}
