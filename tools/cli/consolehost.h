// Whoever asks the thinking driver to think on the command line: the game is
// a facade of its own, and each step goes to standard error when asked for.
#pragma once

#include <string>

#include "engine/thinkinghost.h"
#include "game/gamefacade.h"
#include "tools/cli/platform.h"

namespace cli {

class CConsoleHost : public IThinkingHost {
public:
    CConsoleHost(CGameFacade* facade, CMessagePump* pump) : m_facade(facade), m_pump(pump) {}

    CGameFacade* Facade() override { return m_facade; }
    CMessagePump* Pump() override { return m_pump; }
    void ThinkingBegins() override { Step("thinking"); }
    void IterationBegins(int iteration) override { Step("iteration " + std::to_string(iteration)); }
    void ThinkingEnds() override { Step("done"); }

    void SetStepsShown(bool shown) { m_stepsShown = shown; }

private:
    void Step(const std::string& text) const {
        if (m_stepsShown) WriteError("status " + text + "\n");
    }

    CGameFacade* m_facade;
    CMessagePump* m_pump;
    bool m_stepsShown = false;
};

}  // namespace cli
