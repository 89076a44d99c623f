#include "app/core/view/moveentrycontrol.h"

#include <cstdio>
#include <string>

#include "app/core/picture/boardgeometry.h"
#include "app/core/base/displaytext.h"
#include "app/core/view/thinkingcontrol.h"
#include "game/gamefacade.h"

namespace {
constexpr int kResultSize = CGameFacade::kTextSize;
}

const CSquarePicker& CMoveEntryControl::Picker() {
    // A game replaced since the last look drops the pick.
    m_picker.FollowGame(m_view.GameNumber());
    return m_picker;
}

bool CMoveEntryControl::ShowGameOver(CGameFacade* facade) {
    char result[kResultSize];
    if (facade->GameOver(result) != 1) return false;
    const char* text = DisplayText(result);
    m_view.SetStatusText(text);
    m_view.ShowMessage(text, CThinkingControl::kGameOverCaption);
    return true;
}

void CMoveEntryControl::OnBoardClick(bool leftOnly, int x, int y, int width, int height) {
    CGameFacade* facade = m_view.Facade();
    if (!facade) return;
    char result[kResultSize];
    const CSquarePicker::Click click{x,      y, width, height, leftOnly, m_view.NotationShown(),
                                     facade->GameOver(result) == 1, m_view.GameNumber()};
    switch (m_picker.OnClick(click)) {
        case CSquarePicker::kNothing:
            return;
        case CSquarePicker::kShowBoard:
            m_view.ShowBoard();
            return;
        case CSquarePicker::kShowGameOver:
            ShowGameOver(facade);
            return;
        case CSquarePicker::kRepaint:
            m_view.Repaint(false);
            return;
        case CSquarePicker::kHandOver:
            break;
    }
    const char* answer = facade->EnterMove(m_picker.MoveText());
    if (answer[0] == '\0') {
        // Dropped before the computer answers, so that clicks that arrive
        // meanwhile start a new pick instead of reusing this one.
        m_picker.Drop();
        AfterUserMove();
        return;
    }
    // The answer ends with the queen letter of the move text, which the user never typed.
    std::string refusal = answer;
    if (!refusal.empty()) refusal.pop_back();
    m_view.SetStatusText(refusal.c_str());
    char question[CGameFacade::kTextSize + sizeof kChooseFromListFormat];
    std::snprintf(question, sizeof question, kChooseFromListFormat, refusal.c_str());
    // The pick stays on the board while the question is up.
    const bool choose = m_view.AskYesNo(question, kInvalidMoveCaption);
    m_picker.Drop();
    m_view.Repaint(false);
    if (choose) OnLegalMoves();
}

void CMoveEntryControl::OnSquareChosen(int column, int row) {
    // A board of one pixel a square: the click lands on that square.
    OnBoardClick(true, column, row, CBoardGeometry::kSquares, CBoardGeometry::kSquares);
}

void CMoveEntryControl::DropPick() {
    m_picker.Drop();
    m_view.Repaint(false);
}

void CMoveEntryControl::OnEnterMove() {
    const std::string text = m_view.TypeMove();
    if (text.empty()) {
        m_view.NoMoveTyped();
        return;
    }
    CGameFacade* facade = m_view.Facade();
    if (!facade) return;
    const char* answer = facade->EnterMove(text.c_str());
    if (answer[0] == '\0') {
        AfterUserMove();
        return;
    }
    m_view.SetStatusText(answer);
    m_view.ShowMessage(answer, kMoveCaption);
}

void CMoveEntryControl::OnLegalMoves() {
    CGameFacade* facade = m_view.Facade();
    if (!facade || ShowGameOver(facade)) return;
    const std::string move = m_view.ChooseLegalMove(facade);
    if (move.empty()) return;
    // The dialog was modal, but take the facade afresh all the same.
    if (CGameFacade* current = m_view.Facade()) current->EnterMove(move.c_str());
    AfterUserMove();
}

void CMoveEntryControl::OnFlipBoard() {
    m_picker.Flip();
    m_view.Repaint(true);
}

void CMoveEntryControl::AfterUserMove() {
    m_view.MovePlayed();
    m_view.Repaint(false);
    if (m_autoReply) m_view.ComputerMove();
}
