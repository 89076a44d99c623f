#include "app/win32/kit/dialogwindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/core/base/mainframetexts.h"
#include "app/win32/aboutdlg.h"
#include "app/win32/legalmovesdlg.h"
#include "app/win32/moveentrydlg.h"
#include "app/win32/settingsdlg.h"
#include "app/win32/kit/widetext.h"
#include "win32/kit/dialogdriver.h"
#include "game/gamefacade.h"

namespace {

// The pixels a static's text takes in the static's own font.
int TextWidth(HWND control, UINT format) {
    const std::wstring text = dialogdriver::Text(control);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE | format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return rect.right;
}

int Width(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    return rect.right;
}

bool IsLabel(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    if (_wcsicmp(name, L"static") == 0) return (style & SS_TYPEMASK) == SS_LEFT;
    const LONG_PTR type = style & BS_TYPEMASK;
    return _wcsicmp(name, L"button") == 0 && (type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON);
}

void ExpectEveryLabelFits(CDialogWindow& dialog) {
    HWND window = dialog.Create();
    ASSERT_NE(window, nullptr);
    RECT dialogRect;
    GetClientRect(window, &dialogRect);
    for (HWND control : dialogdriver::Children(window)) {
        if (!IsLabel(control)) continue;
        const std::string text = CWideText::Utf8(dialogdriver::Text(control));
        const bool plain = (GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX) != 0;
        // Buttons draw their mark in front of the text: at least the text itself must fit.
        EXPECT_LE(TextWidth(control, plain ? DT_NOPREFIX : 0), Width(control)) << text;
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_LE(rect.right, dialogRect.right) << text;
    }
}

// A dialog that only notes the buttons its commands press.
class CPressRecorder : public CDialogWindow {
public:
    explicit CPressRecorder(const DialogLayout& layout) : CDialogWindow(nullptr, layout) {}
    std::vector<int> pressed;

private:
    void OnCommand(int id, int code) override {
        if (code == BN_CLICKED) pressed.push_back(id);
    }
};

constexpr int kOwnButton = 1000;
constexpr int kEdit = 100;

// No default button: Enter closes as Escape does, through "Abbrechen".
constexpr DialogControl kNoDefault[] = {
    {kEdit, ControlKind::kEdit, "", 10, 10, 60, 12},
    {kOwnButton, ControlKind::kPushButton, dlg::kOkText, 10, 30, 40, 14},
    {dlg::kIdCancel, ControlKind::kPushButton, dlg::kCancelText, 60, 30, 40, 14},
};
// No "Abbrechen": Escape and the close box press the default button.
constexpr DialogControl kDefaultOnly[] = {
    {kEdit, ControlKind::kEdit, "", 10, 10, 60, 12},
    {kOwnButton, ControlKind::kDefaultPushButton, dlg::kOkText, 10, 30, 40, 14},
};
// The system's own buttons are themselves.
constexpr DialogControl kStockButtons[] = {
    {kEdit, ControlKind::kEdit, "", 10, 10, 60, 12},
    {dlg::kIdOk, ControlKind::kPushButton, dlg::kOkText, 10, 30, 40, 14},
    {dlg::kIdCancel, ControlKind::kPushButton, dlg::kCancelText, 60, 30, 40, 14},
};

template <int N>
DialogLayout LayoutOf(const DialogControl (&controls)[N]) {
    return {"Test", 120, 60, controls, N};
}

}  // namespace

TEST(DialogWindow, EnterEscapeAndTheCloseBoxPressTheLayoutsButtons) {
    using dialogdriver::Exit;
    const struct {
        const char* name;
        DialogLayout layout;
        int enter;
        int escape;
    } cases[] = {
        {"no default", LayoutOf(kNoDefault), dlg::kIdCancel, dlg::kIdCancel},
        {"default only", LayoutOf(kDefaultOnly), kOwnButton, kOwnButton},
        {"stock buttons", LayoutOf(kStockButtons), dlg::kIdOk, dlg::kIdCancel},
    };
    for (const auto& c : cases) {
        for (Exit exit : {Exit::kEnter, Exit::kEscape, Exit::kCloseBox}) {
            SCOPED_TRACE(std::string(c.name) + ", " + dialogdriver::Name(exit));
            CPressRecorder dialog(c.layout);
            HWND window = dialog.Create();
            ASSERT_NE(window, nullptr);
            dialogdriver::Leave(window, exit, dlg::kIdCancel, GetDlgItem(window, kEdit));
            const int expected = exit == Exit::kEnter ? c.enter : c.escape;
            EXPECT_EQ(dialog.pressed, std::vector<int>{expected});
        }
    }
}

TEST(DialogWindow, EveryLabelFitsItsControl) {
    {
        CAboutDlg about(nullptr);
        ExpectEveryLabelFits(about);
    }
    {
        CSettingsDlg settings(nullptr);
        ExpectEveryLabelFits(settings);
    }
    {
        CMoveEntryDlg entry(nullptr);
        ExpectEveryLabelFits(entry);
    }
    {
        CGameFacade facade;
        CLegalMovesDlg moves(nullptr, &facade);
        ExpectEveryLabelFits(moves);
    }
}

TEST(DialogWindow, OnlyTheAboutBoxsProgramLineShowsAnAmpersandAsItStands) {
    CAboutDlg about(nullptr);
    HWND window = about.Create();
    ASSERT_NE(window, nullptr);
    int texts = 0;
    for (HWND control : dialogdriver::Children(window)) {
        if (!IsLabel(control)) continue;
        ++texts;
        const bool programLine = dialogdriver::Text(control) == CWideText::Wide(CMainFrameTexts::kAboutProgramLine);
        EXPECT_EQ((GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX) != 0, programLine)
            << CWideText::Utf8(dialogdriver::Text(control));
    }
    EXPECT_EQ(texts, 4);
}
