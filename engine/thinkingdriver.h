// The thinking driver: a search on the current position, deepened iteration
// by iteration within the limits of its control, giving up when thinking is
// switched off meanwhile.
#pragma once

#include "engine/levels.h"
#include "engine/searchcontrol.h"
#include "engine/thinkinghost.h"
#include "rules/movegen.h"

class CSearch;

class CThinkingDriver {
public:
    explicit CThinkingDriver(IThinkingHost& host) : m_host(host) {}

    // The coordinate text of the move chosen for the current position, or ""
    // when thinking was given up. Valid until the next call. The control may
    // be told to stop meanwhile (from inside the pump); the move is then the
    // last completed iteration's.
    const char* Think(CSearchControl& control);
    // Within a level's limits, in the whole seconds of the calendar.
    const char* Think(const PlayingLevel& level, CSearchControl::Clock steady = CSearchControl::SteadyMillis,
                      CSearchControl::Clock calendar = CSearchControl::CalendarMillis);

    // Called with the search after each of its iterations (tools watch the
    // search or set its information stream here).
    using SearchHook = void (*)(CSearch& search, void* context);
    void SetSearchHook(SearchHook hook, void* context) {
        m_hook = hook;
        m_hookContext = context;
    }

private:
    IThinkingHost& m_host;
    char m_text[CMoveGen::kCoordTextSize] = {};
    SearchHook m_hook = nullptr;
    void* m_hookContext = nullptr;
};
