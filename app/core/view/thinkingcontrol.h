// The two thinking commands of the view, the computer's move and the move
// proposal, on the engine's thinking driver: what the user reads while the
// computer thinks and after it.
#pragma once

#include "app/core/view/thinkingview.h"
#include "engine/thinkingdriver.h"

class CThinkingControl : private IThinkingHost {
public:
    static constexpr const char* kThinkingText = "Der Computer denkt";
    static constexpr const char* kDeepeningFormat = "Computer ist am Denken %s";
    static constexpr const char* kComputerMovesFormat = "Computer zieht %s";
    static constexpr const char* kSuggestionFormat = "Vorschlag: %s";
    static constexpr const char* kInternalErrorText = "Internal error !";
    static constexpr const char* kGameOverCaption = "Spielende";
    static constexpr const char* kSuggestionCaption = "Vorschlag";
    static constexpr const char* kMoveCaption = "move";

    explicit CThinkingControl(IThinkingView& view) : m_view(view) {}

    // Thinks as the driver does within the limits, in whole seconds, telling
    // the user meanwhile; the move's coordinate text, or "" when thinking was
    // given up.
    const char* Think(const PlayingLevel& limits) { return m_driver.Think(limits, m_steady, m_calendar); }
    void OnComputerMove();
    void OnSuggestion();

    void SetSearchHook(CThinkingDriver::SearchHook hook, void* context) { m_driver.SetSearchHook(hook, context); }
    // The clocks the limits are read on; the tests put their own.
    void SetClocks(CSearchControl::Clock steady, CSearchControl::Clock calendar) {
        m_steady = steady;
        m_calendar = calendar;
    }

private:
    // IThinkingHost: the status texts and the wait cursor of each step.
    CGameFacade* Facade() override;
    CMessagePump* Pump() override;
    void ThinkingBegins() override;
    void IterationBegins(int iteration) override;
    void ThinkingEnds() override;

    // Shows the "Spielende" box when the game is over; true then.
    bool ReportGameOver();

    IThinkingView& m_view;
    CThinkingDriver m_driver{*this};
    CSearchControl::Clock m_steady = CSearchControl::SteadyMillis;
    CSearchControl::Clock m_calendar = CSearchControl::CalendarMillis;
};
