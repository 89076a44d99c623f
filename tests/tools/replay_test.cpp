// torvo-cli replay, run as a program: the bytes a save would write.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct ReplayRun {
    int status;
    std::string out;
    std::string err;
};

std::string TestFile(const std::string& suffix) {
    return ::testing::TempDir() + "replay_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
           suffix;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the tool with arguments and the given standard input.
ReplayRun RunReplay(const std::string& args, const std::string& input = "") {
    const std::string inputFile = TestFile(".in");
    const std::string outputFile = TestFile(".out");
    const std::string errorFile = TestFile(".err");
    std::ofstream(inputFile, std::ios::binary) << input;
    const std::string command = std::string(TORVO_CLI) + " replay " + args + " <" + inputFile + " >" +
                                outputFile + " 2>" + errorFile;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(outputFile), ReadAll(errorFile)};
}

const char kFoolsMate[] =
    "[Event \"Club\"]\n[Result \"0-1\"]\n\n1. f3 e5 2. g4 Qh4# 0-1\n";

}  // namespace

TEST(Replay, WritesTheOpenedTextBackAsSavingWould) {
    const ReplayRun run = RunReplay("", kFoolsMate);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "[Event \"Club\"] \r\n[Result \"0-1\"] \r\n \r\n1. f3 e5 2. g4 Qh4# 0-1 \r\n");
    EXPECT_EQ(run.err, "");
}

TEST(Replay, ReadsANamedFileLikeStandardInput) {
    const std::string path = TestFile(".pgn");
    std::ofstream(path, std::ios::binary) << kFoolsMate;
    const ReplayRun fromFile = RunReplay("'" + path + "'");
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, RunReplay("", kFoolsMate).out);
}

TEST(Replay, RecordGivesTheLoadedGameAlone) {
    const ReplayRun run = RunReplay("--record", kFoolsMate);
    EXPECT_EQ(run.status, 0);
    const std::string moves = "\r\n\r\n1.f3 e5 2.g4 Qh4 0-1 {Black mates} \r\n";
    ASSERT_GT(run.out.size(), moves.size());
    EXPECT_EQ(run.out.substr(run.out.size() - moves.size()), moves);
    EXPECT_EQ(run.out.rfind("[Event \"Torvo Computer Game\"]\r\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("[Result \"0-1\"]\r\n"), std::string::npos);
}

TEST(Replay, ARecordReadBackIsWrittenIdentically) {
    std::string moves;
    const char* cycle[] = {"e4 ", "e5 ", "Nf3 ", "Nc6 ", "Bc4 ", "Bc5 ", "O-O ", "Nf6 "};
    for (const char* move : cycle) moves += move;
    for (int i = 0; i < 60; ++i) moves += (i % 4 == 0 ? "Re1 " : i % 4 == 1 ? "Rb8 " : i % 4 == 2 ? "Rf1 " : "Ra8 ");
    const ReplayRun first = RunReplay("--record", moves);
    const ReplayRun second = RunReplay("--record", first.out);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(second.out, first.out);
    // The replay does not stop at the drawing rules; the record ends with the draw.
    const std::string end = "34.Rf1 Ra8 1/2-1/2 {Draw by repetition} \r\n";
    ASSERT_GT(first.out.size(), end.size());
    EXPECT_EQ(first.out.substr(first.out.size() - end.size()), end);
}

TEST(Replay, MissingFileGivesTheOpenErrorAndStatusOne) {
    const ReplayRun run = RunReplay("/nonexistent/game.pgn");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("File open error: 2"), std::string::npos) << run.err;
}

TEST(Replay, AFileTooLargeToReadGetsAClearLineAndStatusOne) {
    const std::string path = TestFile(".pgn");
    std::ofstream(path, std::ios::binary) << "1.e4 ";
    // Sparse, larger than any text can be: refused without being read.
    std::filesystem::resize_file(path, std::uintmax_t{3} << 30);
    const ReplayRun run = RunReplay("'" + path + "'");
    std::filesystem::remove(path);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("File open error: 1"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(path + ": too large to read"), std::string::npos) << run.err;
}

TEST(Replay, BadArgumentsAreUsageErrors) {
    for (const char* args : {"--bogus", "a.pgn b.pgn"}) {
        const ReplayRun run = RunReplay(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << args;
    }
}
