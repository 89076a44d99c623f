#include "engine/thinkingdriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/messagepump.h"
#include "engine/search.h"
#include "game/gamefacade.h"

namespace {

// Milliseconds of a fake clock, both steady and calendar.
int64_t g_now = 0;
int64_t Now() { return g_now; }
constexpr int64_t kDriverSecond = 1000;

// Whoever asks to think, with a record of the steps it was told.
class FakeHost : public IThinkingHost, public CMessagePump::Platform {
public:
    CGameFacade* Facade() override { return facade.get(); }
    CMessagePump* Pump() override { return &TheMessagePump(); }
    void ThinkingBegins() override { steps.push_back("begins"); }
    void IterationBegins(int iteration) override {
        steps.push_back("iteration " + std::to_string(iteration));
        if (iteration == secondAt) g_now = kDriverSecond;
    }
    void ThinkingEnds() override { steps.push_back("ends"); }
    void DispatchOne() override {
        if (++dispatched == switchOffAt) TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    }

    std::unique_ptr<CGameFacade> facade = std::make_unique<CGameFacade>();
    std::vector<std::string> steps;
    int dispatched = 0;
    int switchOffAt = -1;  // the dispatch at which thinking is switched off
    int secondAt = -1;     // the iteration at which the clock shows a second
};

class ThinkingDriver : public ::testing::Test {
protected:
    void SetUp() override {
        g_now = 0;
        TheMessagePump().SetPlatform(&host);
    }
    void TearDown() override {
        TheMessagePump().SetPlatform(nullptr);
        TheMessagePump().SetThinking(CMessagePump::kThinkingOff);
    }

    std::string SearchedMove(int depth) {
        CSearch search(*host.facade->GetGame()->Current(), nullptr);
        while (search.LastDone() < depth) search.Iterate();
        char text[CMoveGen::kCoordTextSize];
        return search.Root().CoordText(search.BestMoveIndex(), text);
    }

    FakeHost host;
    CThinkingDriver driver{host};
};

TEST_F(ThinkingDriver, TellsEachStepAndPlaysTheLastCompletedIterationsMove) {
    const struct {
        int iterations;
        int secondAt;
        int depth;  // of the move chosen
        std::vector<std::string> steps;
    } cases[] = {
        {0, -1, 0, {"begins", "ends"}},
        {2, -1, 2, {"begins", "iteration 1", "iteration 2", "ends"}},
        // No iteration starts once the clock shows the limit.
        {5, 2, 2, {"begins", "iteration 1", "iteration 2", "ends"}},
    };
    for (const auto& c : cases) {
        host.steps.clear();
        host.secondAt = c.secondAt;
        g_now = 0;
        const std::string expected = SearchedMove(c.depth);
        EXPECT_EQ(driver.Think(PlayingLevel{1, c.iterations}, Now, Now), expected) << c.iterations;
        EXPECT_EQ(host.steps, c.steps) << c.iterations;
        EXPECT_EQ(TheMessagePump().Thinking(), CMessagePump::kThinkingOff);
    }
}

TEST_F(ThinkingDriver, GivesUpWithoutAMoveWhenThinkingIsSwitchedOff) {
    host.switchOffAt = 10;
    EXPECT_STREQ(driver.Think(PlayingLevel{1, 12}, Now, Now), "");
    ASSERT_GE(host.steps.size(), 3u);
    EXPECT_EQ(host.steps.front(), "begins");
    EXPECT_EQ(host.steps.back(), "ends");
    EXPECT_EQ(host.dispatched, 10) << "the search stops at the next node";
}

}  // namespace
