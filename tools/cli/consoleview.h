// The thinking commands' view for the command-line tools: the game is a
// facade of its own, status texts go to standard error when asked for.
#pragma once

#include <cstdio>

#include "engine/thinkingview.h"
#include "rules/gamefacade.h"

namespace cli {

class CConsoleView : public IThinkingView {
public:
    CConsoleView(CGameFacade* facade, CMessagePump* pump, uint16_t level)
        : m_facade(facade), m_pump(pump), m_level(level) {}

    CGameFacade* Facade() override { return m_facade; }
    CMessagePump* Pump() override { return m_pump; }
    uint16_t Level() const override { return m_level; }
    void SetStatusText(const char* text) override {
        if (m_statusStream) std::fprintf(m_statusStream, "status %s\n", text);
    }
    void ShowMessage(const char* text, const char* caption) override {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
    void ShowBoard() override {}
    void Invalidate() override {}
    void WaitCursor(int) override {}

    void SetFacade(CGameFacade* facade) { m_facade = facade; }
    void SetStatusStream(std::FILE* stream) { m_statusStream = stream; }

private:
    CGameFacade* m_facade;
    CMessagePump* m_pump;
    uint16_t m_level;
    std::FILE* m_statusStream = nullptr;
};

}  // namespace cli
