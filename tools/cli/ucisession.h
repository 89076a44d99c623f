// One conversation in the Universal Chess Interface: commands from a line
// reader, answers on standard output, thinking done by the program's driver
// within a control in milliseconds.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/levels.h"
#include "engine/messagepump.h"
#include "engine/searchcontrol.h"
#include "engine/thinkinghost.h"
#include "game/gamefacade.h"
#include "tools/cli/linereader.h"

class CSearch;

namespace cli {

class CUciSession : public IThinkingHost, public CMessagePump::Platform {
public:
    static constexpr EngineLevel kDefaultLevel = EngineLevel::kLevel4;

    explicit CUciSession(CLineReader& reader);
    ~CUciSession() override;
    // Runs until "quit" or the end of the input; returns the exit status.
    int Run();

    // IThinkingHost
    CGameFacade* Facade() override { return m_facade.get(); }
    CMessagePump* Pump() override { return &TheMessagePump(); }
    void ThinkingBegins() override {}
    void IterationBegins(int) override {}
    void ThinkingEnds() override {}

    // CMessagePump::Platform: called at every search node; now and then
    // looks at the input.
    void DispatchOne() override;

private:
    // Handles one command; false when the session is to end.
    bool Handle(const std::string& line, bool searching);
    void SetOption(const std::vector<std::string>& words);
    void SetPosition(const std::vector<std::string>& words);
    void Go(const std::vector<std::string>& words);
    // Thinks within the control and answers with the move.
    void Search(CSearchControl control, bool infinite);
    void SayBestMove(const std::string& move);
    void StopSearch();
    void ReportIteration(CSearch& search);
    static void OnIteration(CSearch& search, void* context);

    CLineReader& m_reader;
    std::unique_ptr<CGameFacade> m_facade;
    EngineLevel m_level = kDefaultLevel;
    bool m_quit = false;
    // The search is to end at once: "stop", "quit", a "go" or the end of
    // the input came; the running search's control is told.
    bool m_stopped = false;
    CSearchControl* m_control = nullptr;
    bool m_infinite = false;  // the search runs until told to stop
    // The client's last position was not taken: the one held is not the
    // client's, so no search may answer for it.
    bool m_positionRefused = false;
    int m_reported = -1;      // last iteration reported with "info"
    int64_t m_goStartMs = 0;  // the steady clock when "go" came
    unsigned m_polls = 0;
    // A "go" that came during a search, to be run once that search has answered.
    std::optional<std::vector<std::string>> m_nextGo;
};

}  // namespace cli
