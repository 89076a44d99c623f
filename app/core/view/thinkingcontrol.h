// The thinking driver and the two commands that use it: the computer's move
// and the move proposal. Operations of the view, built on IThinkingView.
#pragma once

#include "app/core/view/thinkingview.h"
#include "rules/movegen.h"

class CSearch;

class CThinkingControl {
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

    // The coordinate text of the move chosen for the current position, or ""
    // when thinking was given up. Valid until the next call.
    const char* Think(int seconds, int iterations);
    void OnComputerMove();
    void OnSuggestion();

    // Called with the search after each of its iterations (tools watch the
    // search or set its information stream here).
    using SearchHook = void (*)(CSearch& search, void* context);
    void SetSearchHook(SearchHook hook, void* context) {
        m_hook = hook;
        m_hookContext = context;
    }

private:
    // Shows the "Spielende" box when the game is over; true then.
    bool ReportGameOver();

    IThinkingView& m_view;
    char m_text[CMoveGen::kCoordTextSize] = {};
    SearchHook m_hook = nullptr;
    void* m_hookContext = nullptr;
};
