#include "app/core/document/commandline.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::vector<std::string> args;
    CCommandLine::Kind kind;
    const char* file;
};

class CommandLineKinds : public testing::TestWithParam<Case> {};

TEST_P(CommandLineKinds, GiveTheShellCommandAndItsFile) {
    const CCommandLine line = CCommandLine::Parse(GetParam().args);
    EXPECT_EQ(line.kind, GetParam().kind) << line.error;
    EXPECT_EQ(line.file, GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, CommandLineKinds,
    testing::Values(Case{{}, CCommandLine::kNewGame, ""},
                    Case{{""}, CCommandLine::kNewGame, ""},
                    Case{{"game.pgn"}, CCommandLine::kOpen, "game.pgn"},
                    Case{{"C:\\Schach Partien ä\\Übung.pgn"}, CCommandLine::kOpen, "C:\\Schach Partien ä\\Übung.pgn"},
                    Case{{"/p", "game.pgn"}, CCommandLine::kPrint, "game.pgn"},
                    Case{{"-p", "game.pgn"}, CCommandLine::kPrint, "game.pgn"},
                    Case{{"/P", "game.pgn"}, CCommandLine::kPrint, "game.pgn"},
                    Case{{"game.pgn", "/p"}, CCommandLine::kPrint, "game.pgn"},
                    // A path from the Unix side of Wine or a drive-relative one is a file, not a switch.
                    Case{{"/tmp/game.pgn"}, CCommandLine::kOpen, "/tmp/game.pgn"},
                    Case{{"-game.pgn"}, CCommandLine::kOpen, "-game.pgn"}));

TEST(CommandLine, RefusesWhatItCannotCarryOutWithAReason) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"/p"}, {"-p"}, {"/x", "game.pgn"}, {"a.pgn", "b.pgn"}}) {
        const CCommandLine line = CCommandLine::Parse(args);
        EXPECT_EQ(line.kind, CCommandLine::kRefused) << args[0];
        EXPECT_FALSE(line.error.empty()) << args[0];
    }
}

}  // namespace
