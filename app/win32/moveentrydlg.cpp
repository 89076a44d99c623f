#include "app/win32/moveentrydlg.h"

#include <string>

#include "app/core/frame/commandids.h"
#include "app/win32/kit/widetext.h"

CMoveEntryDlg::CMoveEntryDlg(HWND parent) : CDialogWindow(parent, CMoveEntryDlgLogic::kLayout) {}

bool CMoveEntryDlg::OnInitDialog() {
    m_logic.Open();
    HWND edit = Item(dlg::kMoveEdit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    SetFocus(edit);
    return false;
}

void CMoveEntryDlg::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == dlg::kMoveEntryOk) {
        HWND edit = Item(dlg::kMoveEdit);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(edit, &text[0], static_cast<int>(text.size()))));
        m_logic.Ok(CWideText::Utf8(text));
        End(IDOK);
    } else if (id == dlg::kIdCancel || id == dlg::kIdOk) {
        // Enter arrives as IDOK, since no button is the default: no move.
        m_logic.Dismiss();
        End(IDCANCEL);
    }
}
