#include "app/core/view/thinkingcontrol.h"

#include <cstdio>
#include <string>

#include "app/core/base/displaytext.h"
#include "engine/levels.h"
#include "game/gamefacade.h"

namespace {
constexpr int kStatusSize = 200;
constexpr const char* kDotsPerIteration = "..";
}  // namespace

CGameFacade* CThinkingControl::Facade() { return m_view.Facade(); }

CMessagePump* CThinkingControl::Pump() { return m_view.Pump(); }

void CThinkingControl::ThinkingBegins() {
    m_view.SetStatusText(kThinkingText);
    m_view.WaitCursor(1);
}

// Two dots more for each iteration after the first.
void CThinkingControl::IterationBegins(int iteration) {
    std::string dots;
    for (int n = 0; n < iteration; ++n) dots += kDotsPerIteration;
    char status[kStatusSize];
    std::snprintf(status, sizeof status, kDeepeningFormat, dots.c_str());
    m_view.SetStatusText(status);
}

void CThinkingControl::ThinkingEnds() { m_view.WaitCursor(-1); }

bool CThinkingControl::ReportGameOver() {
    char result[CGame::kTextSize];
    if (m_view.Facade()->GameOver(result) != 1) return false;
    m_view.ShowMessage(DisplayText(result), kGameOverCaption);
    return true;
}

void CThinkingControl::OnComputerMove() {
    m_view.ShowBoard();
    if (ReportGameOver()) return;
    const std::string move = Think(LevelLimits(m_view.Level()));
    if (move.empty()) return;
    const char* answer = m_view.Facade()->EnterMove(move.c_str());
    if (answer[0] != '\0') {
        m_view.SetStatusText(kInternalErrorText);
        m_view.ShowMessage(answer, kMoveCaption);
        return;
    }
    char status[kStatusSize];
    std::snprintf(status, sizeof status, kComputerMovesFormat, move.c_str());
    m_view.SetStatusText(status);
    m_view.MovePlayed();
    m_view.Invalidate();
}

void CThinkingControl::OnSuggestion() {
    if (ReportGameOver()) return;
    const std::string move = Think(kSuggestionLimits);
    if (move.empty()) return;
    char text[kStatusSize];
    std::snprintf(text, sizeof text, kSuggestionFormat, move.c_str());
    m_view.ShowMessage(text, kSuggestionCaption);
    m_view.SetStatusText(text);
}
