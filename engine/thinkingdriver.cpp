#include "engine/thinkingdriver.h"

#include "engine/messagepump.h"
#include "engine/search.h"
#include "game/gamefacade.h"

const char* CThinkingDriver::Think(const PlayingLevel& level, CSearchControl::Clock steady,
                                   CSearchControl::Clock calendar) {
    CSearchControl control = CSearchControl::WholeSeconds(level.seconds, level.iterations, steady, calendar);
    return Think(control);
}

const char* CThinkingDriver::Think(CSearchControl& control) {
    m_host.ThinkingBegins();
    CMessagePump* pump = m_host.Pump();
    pump->SetThinking(CMessagePump::kThinkingOn);

    // The search works on its own copy of the position: a command run inside
    // the pump may replace the game meanwhile.
    CSearch search(*m_host.Facade()->GetGame()->Current(), pump);
    search.SetLimit(control);
    search.Iterate();
    if (m_hook) m_hook(search, m_hookContext);

    for (int n = 0; n < control.Iterations(); ++n) {
        m_host.IterationBegins(n + 1);
        search.Iterate();
        if (m_hook) m_hook(search, m_hookContext);
        if (pump->PumpOne()) {
            m_host.ThinkingEnds();
            search.Release();
            m_text[0] = '\0';
            return m_text;
        }
        if (!control.MayDeepen(search.Nodes()) || search.IsAborted()) break;
    }

    int16_t index = search.BestMoveIndex();
    if (index < 0 || index >= search.Root().m_count) index = 0;
    m_host.ThinkingEnds();
    search.Root().CoordText(index, m_text);
    pump->SetThinking(CMessagePump::kThinkingOff);
    search.Release();
    return m_text;
}
