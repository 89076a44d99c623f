#include "app/win32/aboutdlg.h"

#include "app/core/base/commandids.h"
#include "app/core/base/mainframetexts.h"
#include "app/win32/resourceids.h"

CAboutDlg::CAboutDlg(HWND parent) : CDialogWindow(parent, CMainFrameTexts::kAboutLayout) {}

void CAboutDlg::OnCommand(int id, int code) {
    // Enter, Escape and the close box press OK too.
    if (code == BN_CLICKED && id == dlg::kIdOk) End(id);
}

HICON CAboutDlg::IconNamed(const char*) {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TORVO_IDI_ABOUT));
}
