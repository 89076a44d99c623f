#include "engine/search.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/searchcontrol.h"
#include "engine/messagepump.h"
#include "reference.h"
#include "rules/testutil.h"

namespace {

using testutil::IndexOf;
using testutil::Legal;

// Milliseconds of a fake clock, both steady and calendar.
int64_t g_fakeNow = 0;
int64_t FakeNow() { return g_fakeNow; }
constexpr int64_t kSecond = 1000;

class SearchClock : public ::testing::Test {
protected:
    void SetUp() override { g_fakeNow = 0; }
    void TearDown() override {
        TheMessagePump().SetThinking(0);
        TheMessagePump().SetPlatform(nullptr);
    }
};

int16_t RootBest(CSearch& search, int depth) {
    while (search.LastDone() < depth) search.Iterate();
    return search.BestMoveIndex();
}

// Height of the kept tree: 1 for a root list without subtrees.
int TreeHeight(const CNodeList* list) {
    if (!list) return 0;
    int height = 0;
    for (const CSearchNode* n = list->First(); n != list->End(); ++n) height = std::max(height, TreeHeight(n->m_subtree));
    return height + 1;
}

TEST(Search, OneLegalMoveIsAlwaysChosen) {
    const CMoveGen root = Legal("k7/8/8/8/8/8/1r6/K1r5 w - - 0 40");
    ASSERT_EQ(root.m_count, 1);
    CSearch search(root, nullptr);
    for (int depth = 0; depth < 4; ++depth) {
        search.Iterate();
        EXPECT_EQ(search.BestMoveIndex(), 0) << depth;
    }
}

TEST(Search, MateInOneSeenFromTheSecondIteration) {
    const CMoveGen root = Legal("6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 40");
    const int16_t mate = IndexOf(root, "a1a8");
    CSearch search(root, nullptr);
    search.Iterate();
    EXPECT_LT(search.Result(0)->m_score, CSearch::kMateScore);
    search.Iterate();
    EXPECT_EQ(search.BestMoveIndex(), mate);
    EXPECT_EQ(search.Result(1)->m_score, CSearch::kMateScore);
    search.Iterate();
    EXPECT_EQ(search.BestMoveIndex(), mate);
    EXPECT_EQ(search.Result(2)->m_score, CSearch::kMateScore + 1);
}

TEST(Search, ReleasedSearchHasNoBestMove) {
    CSearch search(Legal(), nullptr);
    search.Iterate();
    ASSERT_GE(search.BestMoveIndex(), 0);
    EXPECT_GT(search.HeldBytes(), 0u);
    search.Release();
    EXPECT_EQ(search.RootList(), nullptr);
    EXPECT_EQ(search.BestMoveIndex(), -1);
    EXPECT_EQ(search.HeldBytes(), 0u) << "the tree's pages went back at once";
}

TEST(Search, NoLegalMoveGivesNoBestMove) {
    const CMoveGen root = Legal("7k/5Q2/6K1/8/8/8/8/8 b - - 0 60");
    ASSERT_EQ(root.m_count, 0);
    CSearch search(root, nullptr);
    search.Iterate();
    EXPECT_EQ(search.RootList()->Count(), 0);
    EXPECT_EQ(search.BestMoveIndex(), -1);
}

TEST(Search, EqualScoresKeepTheFirstNode) {
    CSearch search(Legal(), nullptr);
    EXPECT_EQ(RootBest(search, 0), IndexOf(Legal(), "e2e3"));
}

TEST(Search, ListsAreKeptAtPliesZeroToFiveOnly) {
    const CMoveGen root = Legal("8/8/8/4k3/8/8/8/3QK3 w - - 0 70");
    CSearch search(root, nullptr);
    RootBest(search, 3);
    EXPECT_EQ(TreeHeight(search.RootList()), 4);
    RootBest(search, 7);
    EXPECT_EQ(TreeHeight(search.RootList()), CSearch::kKeptPlies + 1);
}

// The engine's own paths against the plain way: same scores, same choices,
// same node counts, iteration by iteration.
TEST(Search, ChoosesAndCountsAsThePlainSearch) {
    const char* fens[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "r2qkb1r/pp2nppp/3p4/2pNN1B1/2BnP3/3P4/PPP2PPP/R2bK2R w KQkq - 1 10",
        "8/5P2/8/8/8/8/2p5/K5k1 w - - 0 50",
        "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
        "7k/8/8/5Q2/8/8/8/K7 w - - 0 60",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 40",
    };
    for (const char* fen : fens) {
        const CMoveGen root = Legal(fen);
        const int64_t before = g_searchNodes;
        CSearch search(root, nullptr);
        reference::Search plain(root);
        EXPECT_EQ(g_searchNodes - before, plain.nodes) << fen;
        for (int depth = 0; depth <= 2; ++depth) {
            const int64_t start = g_searchNodes;
            const long plainStart = plain.nodes;
            search.Iterate();
            plain.Iterate();
            EXPECT_EQ(search.Result(depth)->m_score, plain.rootScore) << fen << " depth " << depth;
            EXPECT_EQ(search.BestMoveIndex(), plain.rootBest) << fen << " depth " << depth;
            EXPECT_EQ(g_searchNodes - start, plain.nodes - plainStart) << fen << " depth " << depth;
        }
    }
}

TEST_F(SearchClock, IterationOutOfTimeKeepsThePreviousChoice) {
    // Any message dispatched moves the clock on by a second.
    struct Ticking : CMessagePump::Platform {
        void DispatchOne() override { g_fakeNow += kSecond; }
    } ticking;
    TheMessagePump().SetPlatform(&ticking);
    TheMessagePump().SetThinking(1);
    CSearch search(Legal("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"),
                   &TheMessagePump());
    CSearchControl control = CSearchControl::WholeSeconds(1, 5, FakeNow, FakeNow);
    search.SetLimit(control);
    search.Iterate();  // the first iteration never looks at the clock
    const int16_t first = search.BestMoveIndex();
    ASSERT_EQ(search.LastDone(), 0);
    search.Iterate();
    EXPECT_TRUE(search.IsAborted());
    EXPECT_EQ(search.LastDone(), 0);
    EXPECT_EQ(search.BestMoveIndex(), first);
    EXPECT_EQ(g_fakeNow, 2 * kSecond) << "the node after the limit was passed stops the iteration";
}

// Whole seconds of the calendar: the first may last a moment or a full
// second, whatever the steady clock reads meanwhile.
TEST(SearchControl, WholeSecondsEndWhereTheCalendarsSecondsDo) {
    static int64_t steady, calendar;
    steady = 5'000'000;
    for (const int64_t date : {int64_t{1'700'000'000'000}, int64_t{1'700'000'000'999}}) {
        calendar = date;
        const CSearchControl control =
            CSearchControl::WholeSeconds(2, 12, [] { return steady; }, [] { return calendar; });
        const int64_t tillNextSecond = 1'000 - date % 1'000;
        EXPECT_EQ(control.LastStartMs(), steady + tillNextSecond + 1'000) << date;
        EXPECT_EQ(control.AbandonAtMs(), steady + tillNextSecond + 2'000) << date;
        EXPECT_EQ(control.Iterations(), 12);
    }
}

// What ends a search: its deadlines, its own nodes, a stop request.
TEST(SearchControl, EndsAtTheDeadlineTheNodeLimitOrTheStop) {
    g_fakeNow = 100;
    CSearchControl control = CSearchControl::Milliseconds(50, 3, 1000, FakeNow);
    EXPECT_TRUE(control.MayDeepen(999));
    EXPECT_FALSE(control.MustAbandon(999));
    EXPECT_FALSE(control.MayDeepen(1000)) << "the node limit";
    EXPECT_TRUE(control.MustAbandon(1000));
    g_fakeNow = 150;
    EXPECT_FALSE(control.MayDeepen(0)) << "no iteration starts once the budget has passed";
    EXPECT_FALSE(control.MustAbandon(0)) << "a running one goes on until it is over";
    g_fakeNow = 151;
    EXPECT_TRUE(control.MustAbandon(0));
    g_fakeNow = 100;
    control.RequestStop();
    EXPECT_FALSE(control.MayDeepen(0));
    EXPECT_TRUE(control.MustAbandon(0));
    const CSearchControl unlimited;
    EXPECT_TRUE(unlimited.MayDeepen(INT64_MAX - 1));
    EXPECT_FALSE(unlimited.MustAbandon(INT64_MAX - 1));
}

// The node limit counts this search's own nodes, not those others made.
TEST(SearchControl, NodeLimitCountsTheSearchsOwnNodes) {
    const CMoveGen root = Legal();
    CSearch earlier(root, nullptr);
    earlier.Iterate();
    earlier.Iterate();
    const int64_t toDepthOne = earlier.Nodes();
    const int64_t before = g_searchNodes;
    CSearch search(root, nullptr);
    EXPECT_EQ(search.Nodes(), g_searchNodes - before) << "the root list's own";
    CSearchControl control = CSearchControl::Milliseconds(CSearchControl::kNever / 2, 10, toDepthOne + 1);
    search.SetLimit(control);
    search.Iterate();
    search.Iterate();
    EXPECT_FALSE(search.IsAborted());
    EXPECT_EQ(search.Nodes(), toDepthOne);
    search.Iterate();
    EXPECT_TRUE(search.IsAborted()) << "stopped once its own nodes passed the limit";
    EXPECT_EQ(search.LastDone(), 1);
}

TEST_F(SearchClock, ThinkingSwitchedOffStopsTheIteration) {
    struct SwitchOff : CMessagePump::Platform {
        int calls = 0;
        void DispatchOne() override {
            if (++calls == 50) TheMessagePump().SetThinking(0);
        }
    } switchOff;
    TheMessagePump().SetPlatform(&switchOff);
    TheMessagePump().SetThinking(1);
    CSearch search(Legal(), &TheMessagePump());
    search.SetInfoStream(nullptr);
    search.Iterate();
    search.Iterate();
    search.Iterate();
    EXPECT_TRUE(search.IsAborted());
    EXPECT_LE(search.LastDone(), 1);
    EXPECT_EQ(switchOff.calls, 50) << "no node is searched once thinking is off";
}

TEST(SearchInfo, LineLayout) {
    EXPECT_EQ(CSearch::InfoLine(1, 48, 3, 12345, "e2e4 e7e5"), "1  150  300    12345  e2e4 e7e5\n");
    EXPECT_EQ(CSearch::InfoLine(12, -33, 0, 123456789, "g1f3"), "12 -103    0 123456789  g1f3\n");
    // 64-bit node counts keep the field and widen only when they must.
    EXPECT_EQ(CSearch::InfoLine(2, 0, 1, 5000000000LL, ""), "2    0  100 5000000000 \n");
}

TEST_F(SearchClock, InfoLinesAtMostOncePerSecondAfterAnIteration) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    CSearch search(Legal(), nullptr);
    CSearchControl control = CSearchControl::WholeSeconds(1000, 50, FakeNow, FakeNow);
    search.SetLimit(control);
    search.SetInfoStream(out);
    search.PrintInfo();  // no iteration completed: nothing
    search.Iterate();
    g_searchNodes = 12345;
    search.PrintInfo();
    g_fakeNow = 999;
    search.PrintInfo();  // same second: nothing
    g_fakeNow = 3 * kSecond;
    search.PrintInfo();
    std::rewind(out);
    char buffer[512] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    char pv[CSearch::kPvTextSize];
    search.PrincipalVariation(pv, sizeof pv);
    const int score = search.Result(0)->m_score;
    EXPECT_EQ(std::string(buffer, n),
              CSearch::InfoLine(1, score, 0, 12345, pv) + CSearch::InfoLine(2, score, 3, 12345, pv));
    EXPECT_STREQ(pv, "e2e3");
}

}  // namespace
