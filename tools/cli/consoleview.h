// The thinking commands' view for the command-line tools: the game is a
// facade of its own, status texts go to standard error when asked for.
#pragma once

#include <string>

#include "app/core/view/thinkingview.h"
#include "game/gamefacade.h"
#include "tools/cli/platform.h"

namespace cli {

class CConsoleView : public IThinkingView {
public:
    CConsoleView(CGameFacade* facade, CMessagePump* pump, EngineLevel level)
        : m_facade(facade), m_pump(pump), m_level(level) {}

    CGameFacade* Facade() override { return m_facade; }
    CMessagePump* Pump() override { return m_pump; }
    EngineLevel Level() const override { return m_level; }
    void SetStatusText(const char* text) override {
        if (m_statusShown) WriteError(std::string("status ") + text + "\n");
    }
    void ShowMessage(const char* text, const char* caption) override {
        WriteError(std::string(caption) + ": " + text + "\n");
    }
    void ShowBoard() override {}
    void Invalidate() override {}
    void WaitCursor(int) override {}

    void SetFacade(CGameFacade* facade) { m_facade = facade; }
    void SetStatusShown(bool shown) { m_statusShown = shown; }

private:
    CGameFacade* m_facade;
    CMessagePump* m_pump;
    EngineLevel m_level;
    bool m_statusShown = false;
};

}  // namespace cli
