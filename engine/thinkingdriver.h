// The thinking driver: a search on the current position, deepened iteration
// by iteration within a time and an iteration limit, giving up when thinking
// is switched off meanwhile.
#pragma once

#include "engine/thinkinghost.h"
#include "rules/movegen.h"

class CSearch;

class CThinkingDriver {
public:
    explicit CThinkingDriver(IThinkingHost& host) : m_host(host) {}

    // The coordinate text of the move chosen for the current position, or ""
    // when thinking was given up. Valid until the next call.
    const char* Think(int seconds, int iterations);

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
