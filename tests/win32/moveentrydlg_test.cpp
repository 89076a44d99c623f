#include "app/win32/moveentrydlg.h"

#include <gtest/gtest.h>

#include "app/core/base/commandids.h"
#include "win32/kit/dialogdriver.h"

using dialogdriver::Click;

namespace {

void Type(HWND dialog, const wchar_t* text) {
    SendMessageW(GetDlgItem(dialog, dlg::kMoveEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

}  // namespace

TEST(MoveEntryDlg, OkHandsOverTheTypedTextCutToNineCharacters) {
    struct Case {
        const wchar_t* typed;
        const char* handedOver;  // UTF-8
    };
    const Case cases[] = {
        {L"Nf3", "Nf3"},
        {L"", ""},
        {L"e2e4e2e4e2e4", "e2e4e2e4e"},
        {L"123456789", "123456789"},
        // Nine letters, not nine bytes: the umlauts stay whole.
        {L"\u00c4\u00d6\u00dc\u00e4\u00f6\u00fc\u00dfxyz", "\xc3\x84\xc3\x96\xc3\x9c\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9fxy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handedOver);
        CMoveEntryDlg entry(nullptr);
        HWND window = entry.Create();
        ASSERT_NE(window, nullptr);
        Type(window, c.typed);
        EXPECT_EQ(entry.Logic().MoveText(), "");  // typing alone hands nothing over
        Click(window, dlg::kMoveEntryOk);
        EXPECT_EQ(entry.Result(), IDOK);
        EXPECT_EQ(entry.Logic().MoveText(), c.handedOver);
    }
}

TEST(MoveEntryDlg, EveryOtherWayOutLeavesNoMoveEnterIncluded) {
    using dialogdriver::Exit;
    for (Exit exit : {Exit::kCancelButton, Exit::kEscape, Exit::kCloseBox, Exit::kEnter}) {
        SCOPED_TRACE(dialogdriver::Name(exit));
        CMoveEntryDlg entry(nullptr);
        HWND window = entry.Create();
        Type(window, L"Nf3");
        dialogdriver::Leave(window, exit, dlg::kIdCancel, GetDlgItem(window, dlg::kMoveEdit));
        EXPECT_EQ(entry.Result(), IDCANCEL);
        EXPECT_EQ(entry.Logic().MoveText(), "");
    }
}

TEST(MoveEntryDlg, ShownModallyItOpensEmptyAndHandsTheMoveOver) {
    CMoveEntryDlg entry(nullptr);
    const INT_PTR result = dialogdriver::RunModal(entry, [](HWND window) {
        HWND edit = GetDlgItem(window, dlg::kMoveEdit);
        EXPECT_EQ(dialogdriver::Text(edit), L"");
        EXPECT_EQ(GetFocus(), edit);
        Type(window, L"Nf3");
        Click(window, dlg::kMoveEntryOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(entry.Logic().MoveText(), "Nf3");
}
