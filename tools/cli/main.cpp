// torvo-cli: perft counts and scripted games on the command line.
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "game/gamefacade.h"
#include "rules/movegen.h"
#include "rules/perft.h"
#include "tools/cli/bench.h"
#include "tools/cli/cliargs.h"
#include "tools/cli/main.h"
#include "tools/cli/platform.h"
#include "tools/cli/replay.h"
#include "tools/cli/think.h"
#include "tools/cli/uci.h"

using namespace cli;

namespace {

constexpr int kMaxPerftDepth = 20;
// What no command expected ends the tool with a line, not a crash.
constexpr int kUnexpectedError = 1;
constexpr const char* kUnexpectedErrorText = "stopped by an unexpected error";

int RunPerft(int argc, char** argv) {
    if (argc < 3) return UsageError("perft needs a depth");
    char* end = nullptr;
    const long depth = std::strtol(argv[2], &end, 10);
    if (!std::isdigit(static_cast<unsigned char>(*argv[2])) || *end != '\0' || depth > kMaxPerftDepth)
        return UsageError(std::string("depth '") + argv[2] + "' is not a number from 0 to " +
                          std::to_string(kMaxPerftDepth));
    Options options;
    std::string error = ReadOptions(argc, argv, 3, true, &options);
    if (!error.empty()) return UsageError(error);
    CMoveGen root;
    int halfMoves;
    error = StartPosition(options, &root, &halfMoves);
    if (!error.empty()) return UsageError(error);

    const auto start = std::chrono::steady_clock::now();
    uint64_t total = 0;
    if (options.divide && depth > 0) {
        CMoveGen child;
        char text[CMoveGen::kCoordTextSize];
        for (int16_t i = 0; i < root.m_count; ++i) {
            child.MakeChild(root, i);
            const uint64_t count = Perft(child, static_cast<int>(depth) - 1);
            total += count;
            std::printf("%s %llu\n", root.CoordText(i, text), static_cast<unsigned long long>(count));
        }
    } else {
        total = Perft(root, static_cast<int>(depth));
    }
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    const unsigned long long nps = micros > 0 ? total * 1000000ULL / static_cast<unsigned long long>(micros) : 0;
    std::printf("total %llu\ntime %lld ms\nnps %llu\n", static_cast<unsigned long long>(total),
                static_cast<long long>(micros / 1000), nps);
    return 0;
}

int RunPlay(int argc, char** argv) {
    Options options;
    std::string error = ReadOptions(argc, argv, 2, false, &options);
    if (!error.empty()) return UsageError(error);
    CMoveGen start;
    int halfMoves;
    error = StartPosition(options, &start, &halfMoves);
    if (!error.empty()) return UsageError(error);

    CGameFacade facade(start, halfMoves);
    CGame* game = facade.GetGame();
    char text[CGame::kTextSize];
    for (std::string token; std::cin >> token;) {
        const char* answer = facade.EnterMove(token.c_str());
        if (*answer == '\0')
            std::printf("%s\tok %s\n", token.c_str(), game->MoveText(game->GetPly(), text));
        else
            std::printf("%s\trefused %s\n", token.c_str(), answer);
    }
    std::printf("status %s\n", facade.StatusText());
    facade.GameOver(text);
    std::printf("gameover %s\n", text);
    std::printf("position %s\n", game->Current()->ToText(text));
    std::printf("legal ");
    for (int i = 0; i < facade.LegalMoveCount(); ++i) std::printf(i ? " %s" : "%s", facade.LegalMoveText(i));
    std::printf("\n");
    return 0;
}

int RunCommand(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "perft") == 0) return RunPerft(argc, argv);
    if (std::strcmp(argv[1], "play") == 0) return RunPlay(argc, argv);
    if (std::strcmp(argv[1], "think") == 0) return RunThink(argc, argv);
    if (std::strcmp(argv[1], "bench") == 0) return RunBench(argc, argv);
    if (std::strcmp(argv[1], "uci") == 0) return RunUci(argc, argv);
    if (std::strcmp(argv[1], "replay") == 0) return RunReplay(argc, argv, UsageError);
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    return UsageError(std::string("unknown command '") + argv[1] + "'");
}

}  // namespace

namespace cli {

int Main(const std::vector<std::string>& args) {
    try {
        std::vector<char*> pointers;
        for (const std::string& arg : args) pointers.push_back(const_cast<char*>(arg.c_str()));
        return RunCommand(static_cast<int>(pointers.size()), pointers.data());
    } catch (const std::exception& error) {
        WriteError(std::string("torvo-cli: ") + kUnexpectedErrorText + ": " + error.what() + "\n");
    } catch (...) {
        WriteError(std::string("torvo-cli: ") + kUnexpectedErrorText + "\n");
    }
    return kUnexpectedError;
}

}  // namespace cli
