#include "app/win32/legalmovesdlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/core/base/commandids.h"
#include "app/win32/kit/widetext.h"
#include "game/gamefacade.h"
#include "win32/kit/dialogdriver.h"

using dialogdriver::Click;

namespace {

HWND List(HWND dialog) { return GetDlgItem(dialog, dlg::kLegalMovesList); }

std::vector<std::string> Lines(HWND dialog) {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageW(List(dialog), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring line(static_cast<size_t>(SendMessageW(List(dialog), LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        line.resize(static_cast<size_t>(SendMessageW(List(dialog), LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0]))));
        lines.push_back(CWideText::Utf8(line));
    }
    return lines;
}

void Select(HWND dialog, const char* line) {
    const LRESULT index = SendMessageW(List(dialog), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(CWideText::Wide(line).c_str()));
    ASSERT_NE(index, LB_ERR) << line;
    SendMessageW(List(dialog), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The mouse's double click on the list's line, as the list box gets it.
void DoubleClick(HWND dialog, int line) {
    RECT rect;
    SendMessageW(List(dialog), LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM(rect.left + 2, rect.top + 2);
    SendMessageW(List(dialog), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(List(dialog), WM_LBUTTONUP, 0, point);
    SendMessageW(List(dialog), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageW(List(dialog), WM_LBUTTONUP, 0, point);
}

void Play(CGameFacade& facade, std::initializer_list<const char*> moves) {
    for (const char* move : moves) ASSERT_STREQ(facade.EnterMove(move), "") << move;
}

}  // namespace

TEST(LegalMovesDlg, ListsTheFacadesLegalMovesSortedByText) {
    CGameFacade facade;
    Play(facade, {"e4", "d5"});
    std::vector<std::string> legal;
    for (int i = 0; i < facade.LegalMoveCount(); ++i) legal.emplace_back(facade.LegalMoveText(i));
    std::sort(legal.begin(), legal.end());

    CLegalMovesDlg moves(nullptr, &facade);
    HWND window = moves.Create();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Lines(window), legal);
    EXPECT_EQ(moves.Logic().HasMove(), 0);
}

TEST(LegalMovesDlg, AtTheStartTwentyMovesFromA2a3ToH2h4) {
    CGameFacade facade;
    CLegalMovesDlg moves(nullptr, &facade);
    const std::vector<std::string> lines = Lines(moves.Create());
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines.front(), "a2a3");
    EXPECT_EQ(lines.back(), "h2h4");
}

TEST(LegalMovesDlg, OkHandsTheSelectedLineBackAndItPlays) {
    for (const char* move : {"g1f3", "a2a3", "h2h4", "b1c3"}) {
        SCOPED_TRACE(move);
        CGameFacade facade;
        CLegalMovesDlg moves(nullptr, &facade);
        HWND window = moves.Create();
        Select(window, move);
        Click(window, dlg::kLegalMovesOk);
        EXPECT_EQ(moves.Result(), IDOK);
        EXPECT_EQ(moves.Logic().HasMove(), 1);
        EXPECT_STREQ(moves.Logic().GetMoveText(), move);
        EXPECT_STREQ(facade.EnterMove(moves.Logic().GetMoveText()), "");
    }
}

TEST(LegalMovesDlg, NoSelectionOrAnyOtherWayOutGivesNoMove) {
    using dialogdriver::Exit;
    CGameFacade facade;
    {
        CLegalMovesDlg moves(nullptr, &facade);
        HWND window = moves.Create();
        Click(window, dlg::kLegalMovesOk);
        EXPECT_EQ(moves.Result(), IDOK);
        EXPECT_EQ(moves.Logic().HasMove(), 0);
    }
    // A line selected, and still no move; Enter in the list included.
    for (Exit exit : {Exit::kCancelButton, Exit::kEscape, Exit::kCloseBox, Exit::kEnter}) {
        SCOPED_TRACE(dialogdriver::Name(exit));
        CLegalMovesDlg moves(nullptr, &facade);
        HWND window = moves.Create();
        Select(window, "g1f3");
        dialogdriver::Leave(window, exit, dlg::kIdCancel, List(window));
        EXPECT_EQ(moves.Result(), IDCANCEL);
        EXPECT_EQ(moves.Logic().HasMove(), 0);
        EXPECT_STREQ(moves.Logic().GetMoveText(), "");
    }
}

TEST(LegalMovesDlg, ADoubleClickOnALineOnlySelectsIt) {
    CGameFacade facade;
    CLegalMovesDlg moves(nullptr, &facade);
    HWND window = moves.Create();
    const std::vector<std::string> lines = Lines(window);
    constexpr int kLine = 3;
    DoubleClick(window, kLine);
    EXPECT_EQ(SendMessageW(List(window), LB_GETCURSEL, 0, 0), kLine);
    EXPECT_EQ(moves.Result(), CDialogWindow::kNotEnded);
    EXPECT_EQ(moves.Logic().HasMove(), 0);
    Click(window, dlg::kLegalMovesOk);
    EXPECT_EQ(moves.Logic().GetMoveText(), lines[kLine]);
}

TEST(LegalMovesDlg, AfterMateTheTwoEndLinesShowAndNeitherIsAMove) {
    for (int line = 0; line < 2; ++line) {
        CGameFacade facade;
        Play(facade, {"f3", "e5", "g4", "Qh4"});
        CLegalMovesDlg moves(nullptr, &facade);
        HWND window = moves.Create();
        EXPECT_EQ(Lines(window),
                  (std::vector<std::string>{CLegalMovesDlgLogic::kMateOrStalemateLine, CLegalMovesDlgLogic::kGameOverLine}));
        SendMessageW(List(window), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        Click(window, dlg::kLegalMovesOk);
        EXPECT_EQ(moves.Logic().HasMove(), 0) << line;
    }
}

TEST(LegalMovesDlg, ShowsTheCoordinatePictureAtItsOwnSize) {
    CGameFacade facade;
    CLegalMovesDlg moves(nullptr, &facade);
    HWND window = moves.Create();
    HWND picture = nullptr;
    for (HWND child : dialogdriver::Children(window))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) picture = child;
    ASSERT_NE(picture, nullptr);
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    constexpr int kKoordWidth = 269;
    constexpr int kKoordHeight = 198;
    EXPECT_EQ(info.bmWidth, kKoordWidth);
    EXPECT_EQ(info.bmHeight, kKoordHeight);
    RECT client;
    GetClientRect(picture, &client);
    EXPECT_EQ(client.right, kKoordWidth);
    EXPECT_EQ(client.bottom, kKoordHeight);
}

TEST(LegalMovesDlg, ShownModallyTheFocusIsInTheListAndOkHandsTheMoveOver) {
    CGameFacade facade;
    CLegalMovesDlg moves(nullptr, &facade);
    const INT_PTR result = dialogdriver::RunModal(moves, [](HWND window) {
        EXPECT_EQ(GetFocus(), List(window));
        Select(window, "g1f3");
        Click(window, dlg::kLegalMovesOk);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(moves.Logic().HasMove(), 1);
    EXPECT_STREQ(moves.Logic().GetMoveText(), "g1f3");
}
