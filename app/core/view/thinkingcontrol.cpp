#include "app/core/view/thinkingcontrol.h"

#include <cstdio>
#include <string>

#include "app/core/dialogs/settingsdlglogic.h"
#include "engine/clock.h"
#include "engine/levels.h"
#include "engine/messagepump.h"
#include "engine/search.h"
#include "rules/displaytext.h"
#include "rules/gamefacade.h"

namespace {
constexpr int kStatusSize = 200;
constexpr const char* kDotsPerIteration = "..";
}  // namespace

const char* CThinkingControl::Think(int seconds, int iterations) {
    m_view.SetStatusText(kThinkingText);
    m_view.WaitCursor(1);
    CMessagePump* pump = m_view.Pump();
    pump->SetThinking(CMessagePump::kThinkingOn);

    // The search works on its own copy of the position: a command run inside
    // the pump may replace the game meanwhile.
    CSearch search(*m_view.Facade()->GetGame()->Current(), pump);
    CClock clock;
    clock.Start();
    search.SetLimit(seconds);
    search.Iterate();
    if (m_hook) m_hook(search, m_hookContext);

    std::string dots;
    char status[kStatusSize];
    for (int n = 0; n < iterations; ++n) {
        dots += kDotsPerIteration;
        std::snprintf(status, sizeof status, kDeepeningFormat, dots.c_str());
        m_view.SetStatusText(status);
        search.Iterate();
        if (m_hook) m_hook(search, m_hookContext);
        if (pump->PumpOne()) {
            m_view.WaitCursor(-1);
            search.Release();
            m_text[0] = '\0';
            return m_text;
        }
        if (clock.Elapsed() >= seconds || search.IsAborted()) break;
    }

    int16_t index = search.BestMoveIndex();
    if (index < 0 || index >= search.Root().m_count) index = 0;
    m_view.WaitCursor(-1);
    search.Root().CoordText(index, m_text);
    pump->SetThinking(CMessagePump::kThinkingOff);
    search.Release();
    return m_text;
}

bool CThinkingControl::ReportGameOver() {
    char result[CGame::kTextSize];
    if (m_view.Facade()->GameOver(result) != 1) return false;
    m_view.ShowMessage(DisplayText(result), kGameOverCaption);
    return true;
}

void CThinkingControl::OnComputerMove() {
    m_view.ShowBoard();
    if (ReportGameOver()) return;
    const PlayingLevel& level = LevelLimits(CSettingsDlgLogic::LevelNumber(m_view.Level()));
    const std::string move = Think(level.seconds, level.iterations);
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
    m_view.Invalidate();
}

void CThinkingControl::OnSuggestion() {
    if (ReportGameOver()) return;
    const std::string move = Think(kSuggestionLimits.seconds, kSuggestionLimits.iterations);
    if (move.empty()) return;
    char text[kStatusSize];
    std::snprintf(text, sizeof text, kSuggestionFormat, move.c_str());
    m_view.ShowMessage(text, kSuggestionCaption);
    m_view.SetStatusText(text);
}
