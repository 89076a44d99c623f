// One conversation in the Universal Chess Interface: commands from a line
// reader, answers on standard output, thinking done by the program's driver
// on a millisecond clock.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/view/thinkingview.h"
#include "engine/levels.h"
#include "engine/messagepump.h"
#include "game/gamefacade.h"
#include "tools/cli/linereader.h"

class CSearch;

namespace cli {

class CUciSession : public IThinkingView, public CMessagePump::Platform {
public:
    static constexpr EngineLevel kDefaultLevel = EngineLevel::kLevel4;

    explicit CUciSession(CLineReader& reader);
    ~CUciSession() override;
    // Runs until "quit" or the end of the input; returns the exit status.
    int Run();

    // IThinkingView
    CGameFacade* Facade() override { return m_facade.get(); }
    CMessagePump* Pump() override { return &TheMessagePump(); }
    EngineLevel Level() const override { return m_level; }
    void SetStatusText(const char*) override {}
    void ShowMessage(const char* text, const char* caption) override;
    void ShowBoard() override {}
    void Invalidate() override {}
    void WaitCursor(int) override {}

    // CMessagePump::Platform: called at every search node; looks at the node
    // count and, now and then, at the input.
    void DispatchOne() override;

private:
    // Handles one command; false when the session is to end.
    bool Handle(const std::string& line, bool searching);
    void SetOption(const std::vector<std::string>& words);
    void SetPosition(const std::vector<std::string>& words);
    void Go(const std::vector<std::string>& words);
    // Thinks for at most budget milliseconds (and nodes, unless 0) and
    // answers with the move.
    void Search(int64_t budget, int iterations, bool infinite, int64_t nodes);
    void SayBestMove(const std::string& move);
    void StopSearch();
    void ReportIteration(CSearch& search);
    static void OnIteration(CSearch& search, void* context);
    static int64_t Now();

    CLineReader& m_reader;
    std::unique_ptr<CGameFacade> m_facade;
    EngineLevel m_level = kDefaultLevel;
    bool m_quit = false;
    // The search is to end at once: "stop", "quit", the end of the input or
    // the node limit came.
    bool m_stopped = false;
    bool m_infinite = false;  // the search runs until told to stop
    // The client's last position was not taken: the one held is not the
    // client's, so no search may answer for it.
    bool m_positionRefused = false;
    int m_reported = -1;      // last iteration reported with "info"
    int64_t m_goStart = 0;    // clock reading and node count when "go" came
    int64_t m_goNodes = 0;
    int64_t m_nodeLimit = 0;  // "go nodes": the search ends there; 0 for none
    unsigned m_polls = 0;
    // A "go" that came during a search, to be run once that search has answered.
    std::optional<std::vector<std::string>> m_nextGo;
};

}  // namespace cli
