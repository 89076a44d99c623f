#include "app/core/view/thinkingcontrol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/blockpool.h"
#include "engine/messagepump.h"
#include "engine/search.h"
#include "game/gamefacade.h"

namespace {

// Milliseconds of a fake clock, both steady and calendar.
int64_t g_now = 0;
int64_t Now() { return g_now; }
constexpr int64_t kSecond = 1000;

// The view as the thinking commands see it, with a record of what they did.
class FakeView : public IThinkingView, public CMessagePump::Platform {
public:
    FakeView() : facade(std::make_unique<CGameFacade>()) {}

    CGameFacade* Facade() override { return facade.get(); }
    CMessagePump* Pump() override { return &TheMessagePump(); }
    EngineLevel Level() const override { return level; }
    void SetStatusText(const char* text) override {
        status.push_back(text);
        if (onStatus) onStatus(text);
    }
    void ShowMessage(const char* text, const char* caption) override {
        messages.push_back(std::string(caption) + "|" + text);
    }
    void ShowBoard() override { ++boardShown; }
    void Invalidate() override { ++invalidated; }
    void WaitCursor(int step) override { waitCursor += step; }
    void DispatchOne() override {
        ++dispatched;
        if (onDispatch) onDispatch(dispatched);
    }

    int Deepenings() const {
        int n = 0;
        for (const std::string& s : status) n += s.rfind("Computer ist am Denken ", 0) == 0;
        return n;
    }

    std::unique_ptr<CGameFacade> facade;
    EngineLevel level = EngineLevel::kLevel3;
    std::vector<std::string> status, messages;
    int boardShown = 0, invalidated = 0, waitCursor = 0, dispatched = 0;
    std::function<void(const std::string&)> onStatus;
    std::function<void(int)> onDispatch;
};

// Search hook: the most bytes all search trees together held after any iteration.
void KeepMostHeld(CSearch&, void* most) {
    std::size_t& bytes = *static_cast<std::size_t*>(most);
    bytes = std::max(bytes, CBlockPool::HeldByAllPools());
}

class Thinking : public ::testing::Test {
protected:
    void SetUp() override {
        g_now = 0;
        control.SetClocks(Now, Now);
        TheMessagePump().SetPlatform(&view);
    }
    void TearDown() override {
        TheMessagePump().SetPlatform(nullptr);
        TheMessagePump().SetThinking(0);
        EXPECT_EQ(view.waitCursor, 0) << "the wait cursor is left as it was found";
    }

    // The move a plain search picks after the given number of iterations.
    static std::string SearchedMove(const CGameFacade& facade, int depth) {
        CSearch search(*facade.GetGame()->Current(), nullptr);
        while (search.LastDone() < depth) search.Iterate();
        char text[CMoveGen::kCoordTextSize];
        return search.Root().CoordText(search.BestMoveIndex(), text);
    }

    FakeView view;
    CThinkingControl control{view};
};

TEST_F(Thinking, LevelOneRunsTwoIterationsAndPlays) {
    view.level = EngineLevel::kLevel1;
    ASSERT_STREQ(view.facade->EnterMove("e2e4"), "");
    const std::string expected = SearchedMove(*view.facade, 1);
    control.OnComputerMove();
    EXPECT_EQ(view.status, (std::vector<std::string>{"Der Computer denkt", "Computer ist am Denken ..",
                                                     "Computer zieht " + expected}));
    EXPECT_EQ(view.facade->GetGame()->GetPly(), 2);
    EXPECT_EQ(view.invalidated, 1);
    EXPECT_EQ(view.boardShown, 1);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(TheMessagePump().Thinking(), 0);
}

TEST_F(Thinking, LevelTwoRunsThreeIterations) {
    view.level = EngineLevel::kLevel2;
    control.OnComputerMove();
    EXPECT_EQ(view.Deepenings(), 2);
    EXPECT_EQ(view.status[2], "Computer ist am Denken ....");
}

TEST_F(Thinking, NoLevelPlaysLikeLevelOne) {
    view.level = EngineLevel::kNone;
    control.OnComputerMove();
    EXPECT_EQ(view.Deepenings(), 1);
}

TEST_F(Thinking, NoIterationStartsOnceTheDriverClockShowsTheLimit) {
    view.level = EngineLevel::kLevel3;
    // The second second begins while the third iteration runs.
    view.onStatus = [](const std::string& s) {
        if (s == "Computer ist am Denken ....") g_now = kSecond;
    };
    const std::string expected = SearchedMove(*view.facade, 2);
    control.OnComputerMove();
    EXPECT_EQ(view.Deepenings(), 2);
    EXPECT_EQ(view.status.back(), "Computer zieht " + expected);
}

TEST_F(Thinking, LevelFourThinksIntoTheSecondSecond) {
    view.level = EngineLevel::kLevel4;
    view.onStatus = [](const std::string& s) {
        if (s == "Computer ist am Denken ....") g_now = kSecond;
        if (s == "Computer ist am Denken ......") g_now = 2 * kSecond;
    };
    const std::string expected = SearchedMove(*view.facade, 3);
    control.OnComputerMove();
    EXPECT_EQ(view.Deepenings(), 3);
    EXPECT_EQ(view.status.back(), "Computer zieht " + expected);
}

TEST_F(Thinking, IterationPastTheSearchLimitIsAbandoned) {
    view.level = EngineLevel::kLevel3;
    // Two seconds pass during the third iteration: the second one's move stands.
    view.onStatus = [this](const std::string& s) {
        if (s == "Computer ist am Denken ....") view.onDispatch = [](int) { g_now = 2 * kSecond; };
    };
    const std::string expected = SearchedMove(*view.facade, 1);
    control.OnComputerMove();
    EXPECT_EQ(view.Deepenings(), 2);
    EXPECT_EQ(view.status.back(), "Computer zieht " + expected);
}

TEST_F(Thinking, SuggestionUsesItsOwnLimitsAndPlaysNothing) {
    view.level = EngineLevel::kLevel4;
    const std::string expected = SearchedMove(*view.facade, 3);
    control.OnSuggestion();
    EXPECT_EQ(view.Deepenings(), 3);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Vorschlag|Vorschlag: " + expected}));
    EXPECT_EQ(view.status.back(), "Vorschlag: " + expected);
    EXPECT_EQ(view.facade->GetGame()->GetPly(), 0);
    EXPECT_EQ(view.boardShown, 0);
    EXPECT_EQ(view.invalidated, 0);
}

TEST_F(Thinking, FinishedGameOnlyShowsTheResult) {
    for (const char* moves : {"f2f3 e7e5 g2g4 d8h4", "e2e3 a7a5 d1h5 a8a6 h5a5 h7h5 h2h4 a6h6 a5c7 f7f6 c7d7 e8f7 "
                                                     "d7b7 d8d3 b7b8 d3h7 b8c8 f7g6 c8e6"}) {
        view.facade = std::make_unique<CGameFacade>();
        view.status.clear();
        view.messages.clear();
        std::string text = moves, move;
        for (size_t at = 0; at <= text.size(); ++at) {
            if (at < text.size() && text[at] != ' ') {
                move += text[at];
            } else if (!move.empty()) {
                ASSERT_STREQ(view.facade->EnterMove(move.c_str()), "") << move;
                move.clear();
            }
        }
        control.OnComputerMove();
        control.OnSuggestion();
        EXPECT_TRUE(view.status.empty());
        ASSERT_EQ(view.messages.size(), 2u);
        EXPECT_EQ(view.messages[0], view.messages[1]);
    }
    EXPECT_EQ(view.messages[0], "Spielende|1/2-1/2 {Patt !}");
}

TEST_F(Thinking, MateIsReportedInGerman) {
    for (const char* move : {"f2f3", "e7e5", "g2g4", "d8h4"}) ASSERT_STREQ(view.facade->EnterMove(move), "");
    control.OnComputerMove();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Spielende|0-1 {Schwarz setzt matt und gewinnt}"}));
}

TEST_F(Thinking, NewGameInsideThePumpEndsThinkingWithoutAMove) {
    view.level = EngineLevel::kLevel4;
    // What a new game does: the old facade goes, and thinking is switched off.
    view.onDispatch = [this](int n) {
        if (n != 20) return;
        view.facade = std::make_unique<CGameFacade>();
        TheMessagePump().SetThinking(0);
    };
    ASSERT_STREQ(view.facade->EnterMove("e2e4"), "");
    control.OnComputerMove();
    EXPECT_EQ(view.facade->GetGame()->GetPly(), 0);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.invalidated, 0);
    EXPECT_EQ(view.status.back().rfind("Computer ist am Denken", 0), 0u);
    EXPECT_EQ(view.dispatched, 20) << "the search stops at the next node";
}

TEST_F(Thinking, SecondRequestInsideThePumpWinsAndTheFirstGivesUp) {
    view.level = EngineLevel::kLevel1;
    view.onDispatch = [this](int n) {
        if (n == 5) control.OnComputerMove();
    };
    ASSERT_STREQ(view.facade->EnterMove("e2e4"), "");
    control.OnComputerMove();
    EXPECT_EQ(view.facade->GetGame()->GetPly(), 2) << "exactly one computer move";
    EXPECT_EQ(view.invalidated, 1);
    EXPECT_EQ(view.status.back().rfind("Computer zieht ", 0), 0u);
}

TEST_F(Thinking, MoveFoundForAnOldPositionIsRefused) {
    view.level = EngineLevel::kLevel1;
    view.onDispatch = [this](int n) {
        if (n == 3) view.facade->EnterMove("e2e4");
    };
    control.OnComputerMove();
    EXPECT_EQ(view.status.back(), "Internal error !");
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind("move|Ungültiger Zug: ", 0), 0u) << view.messages[0];
    EXPECT_EQ(view.facade->GetGame()->GetPly(), 1);
}

// What a thinking request's search used goes back to the system when it ends.
TEST_F(Thinking, RequestEndsHoldingNoPages) {
    std::size_t most = 0;
    control.SetSearchHook(KeepMostHeld, &most);
    view.level = EngineLevel::kLevel2;
    control.OnComputerMove();
    EXPECT_GT(most, 0u);
    EXPECT_EQ(CBlockPool::HeldByAllPools(), 0u);
    control.OnSuggestion();
    EXPECT_EQ(CBlockPool::HeldByAllPools(), 0u);
}

// A request run inside another gives back its own pages only; the outer one
// still searches its tree and gives back the rest when it ends.
TEST_F(Thinking, NestedRequestGivesBackOnlyItsOwnPages) {
    std::size_t most = 0, outerHeld = 0, afterInner = 0;
    control.SetSearchHook(KeepMostHeld, &most);
    view.level = EngineLevel::kLevel1;
    view.onDispatch = [&](int n) {
        if (n != 5) return;
        outerHeld = CBlockPool::HeldByAllPools();
        control.OnSuggestion();
        afterInner = CBlockPool::HeldByAllPools();
    };
    ASSERT_STREQ(view.facade->EnterMove("e2e4"), "");
    control.OnComputerMove();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind("Vorschlag|Vorschlag: ", 0), 0u) << view.messages[0];
    EXPECT_GT(outerHeld, 0u);
    EXPECT_GT(most, outerHeld) << "both trees were held during the inner request";
    EXPECT_EQ(afterInner, outerHeld);
    EXPECT_EQ(CBlockPool::HeldByAllPools(), 0u);
}

}  // namespace
