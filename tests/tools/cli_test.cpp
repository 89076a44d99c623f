// torvo-cli as other tools see it: exact output lines and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the tool with a shell-quoted argument text and optional standard input.
CliRun RunCli(const std::string& args, const std::string& input = "") {
    // One file per test: ctest runs the tests of this program in parallel.
    const std::string inputFile =
        ::testing::TempDir() + "cli_input_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::ofstream(inputFile) << input;
    const std::string errorFile = inputFile + ".err";
    const std::string command = std::string(TORVO_CLI) + " " + args + " <" + inputFile + " 2>" + errorFile;
    CliRun run{-1, "", ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errors(errorFile);
    run.err.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return run;
}

TEST(Cli, PerftPrintsTotalTimeAndRate) {
    const CliRun run = RunCli("perft 3");
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string total, time, ms, nps, rest;
    long long count = -1, millis = -1, rate = -1;
    lines >> total >> count >> time >> millis >> ms >> nps >> rate >> rest;
    EXPECT_EQ(total + " " + std::to_string(count), "total 8902");
    EXPECT_EQ(time, "time");
    EXPECT_GE(millis, 0);
    EXPECT_EQ(ms, "ms");
    EXPECT_EQ(nps, "nps");
    EXPECT_GE(rate, 0);
    EXPECT_EQ(rest, "");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3) << run.out;
}

TEST(Cli, PerftDivideListsRootMovesInLegalOrder) {
    const CliRun run = RunCli("perft 2 --divide --fen '4k3/8/8/8/8/8/8/R3K3 w Q - 0 1'");
    EXPECT_EQ(run.status, 0);
    // Rook first (a1 is the lower square), castling after the king's steps.
    const std::string head =
        "a1b1 5\na1c1 5\na1d1 3\na1a2 5\na1a3 5\na1a4 5\na1a5 5\na1a6 5\na1a7 2\na1a8 3\n"
        "e1f2 5\ne1f1 5\ne1e2 5\ne1d2 5\ne1d1 5\ne1c1 3\ntotal 71\n";
    EXPECT_EQ(run.out.substr(0, head.size()), head) << run.out;
}

TEST(Cli, PlayAnswersEachTokenAndEndsWithTheState) {
    const CliRun run = RunCli("play", "e2e4 e5 e2e5 Nf3\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "e2e4\tok 1.e4\n"
              "e5\tok e5\n"
              "e2e5\trefused Ungültiger Zug: e2e5\n"
              "Nf3\tok 2.Nf3\n"
              "status It's black turn\n"
              "gameover \n"
              "position rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 0 2\n"
              // Black's pawns stand on lower squares than its pieces, so they come first.
              "legal a7a6 a7a5 b7b6 b7b5 c7c6 c7c5 d7d6 d7d5 f7f6 f7f5 g7g6 g7g5 h7h6 h7h5 b8a6 b8c6 d8e7 d8f6 "
              "d8g5 d8h4 e8e7 f8e7 f8d6 f8c5 f8b4 f8a3 g8f6 g8h6 g8e7\n");
}

TEST(Cli, PlayReportsMateAndRefusesFurtherMoves) {
    const CliRun run = RunCli("play", "f3 e5 g4 Qh4 a3");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Qh4\tok Qh4\na3\trefused 0-1 {Black mates}\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("status 0-1 {Black mates}\ngameover 0-1 {Black mates}\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nlegal \n"), std::string::npos);
}

TEST(Cli, PlayStartsFromAFen) {
    const CliRun run = RunCli("play --fen '4k3/8/8/8/8/8/8/4K2R w K - 0 30'", "O-O");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, 14), "O-O\tok 30.O-O\n") << run.out;
}

TEST(Cli, BadArgumentsExitWithStatusTwo) {
    const char* cases[] = {
        "perft",
        "perft x",
        "perft 3x",
        "perft -1",
        "perft +2",
        "perft ' 3'",
        "perft 3 --fen",
        "perft 3 --fen 'not a fen'",
        "perft 3 --bogus",
        "play --divide",
        "play --fen '8/8/8/8/8/8/8/8 w - - 0 1'",
        "frobnicate",
        "think --level 1012",
        "think --level",
        "think --bogus",
        "think e2e5",
        "think --fen 'not a fen'",
        "bench --depth 99",
        "bench --depth",
        "bench extra",
    };
    for (const char* args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find("torvo-cli: "), std::string::npos) << args;
    }
}

std::string LastLine(const std::string& out) {
    const size_t end = out.find_last_not_of('\n');
    if (end == std::string::npos) return "";
    const size_t start = out.rfind('\n', end);
    return out.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

TEST(Cli, ThinkAnswersWithALegalMoveOfTheSideToMove) {
    const CliRun run = RunCli("think --level 1013 e2e4");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string last = LastLine(run.out);
    ASSERT_EQ(last.rfind("bestmove ", 0), 0u) << run.out;
    const CliRun legal = RunCli("play", "e2e4 " + last.substr(9));
    EXPECT_NE(legal.out.find("\tok "), legal.out.rfind("\tok ")) << legal.out;
}

TEST(Cli, ThinkAfterTheEndOfTheGameSaysSo) {
    const CliRun run = RunCli("think f2f3 e7e5 g2g4 d8h4");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "bestmove (none)\n");
    EXPECT_NE(run.err.find("game over: 0-1 {Black mates}"), std::string::npos) << run.err;
}

TEST(Cli, ThinkFindsTheMateInOne) {
    const CliRun run = RunCli("think --suggest --fen '6k1/5ppp/8/8/8/8/5PPP/R5K1 w - - 0 40'");
    EXPECT_EQ(run.out, "bestmove a1a8\n");
}

// The node total of the bench set: it changes only when the search is meant
// to choose differently.
TEST(Cli, BenchSignatureAtDepthTwo) {
    const CliRun run = RunCli("bench --depth 2");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nsignature 136443\nnps "), std::string::npos) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 14 + 2);
    EXPECT_NE(run.out.find("\nmate-in-two "), std::string::npos);
}

}  // namespace
