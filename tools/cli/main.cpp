// torvo-cli: perft counts and scripted games on the command line.
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "rules/gamefacade.h"
#include "rules/movegen.h"
#include "rules/perft.h"
#include "tools/cli/replay.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kMaxPerftDepth = 20;

constexpr const char* kUsage =
    "usage:\n"
    "  torvo-cli perft DEPTH [--fen FEN] [--divide]\n"
    "      count the leaves of the legal move tree to DEPTH half-moves\n"
    "  torvo-cli play [--fen FEN]\n"
    "      play the move texts read from standard input, one answer line each\n"
    "  torvo-cli replay [--record] [FILE]\n"
    "      open a PGN text (standard input without FILE) and write what saving it writes;\n"
    "      with --record only the loaded game's own record\n";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "torvo-cli: %s\n%s", message.c_str(), kUsage);
    return kUsageError;
}

struct Options {
    std::string fen;
    bool haveFen = false;
    bool divide = false;
};

// Reads --fen and --divide from argv[first..]; returns an error text or "".
std::string ReadOptions(int argc, char** argv, int first, bool allowDivide, Options* options) {
    for (int i = first; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fen") == 0) {
            if (i + 1 >= argc) return "--fen needs a FEN text";
            options->fen = argv[++i];
            options->haveFen = true;
        } else if (allowDivide && std::strcmp(argv[i], "--divide") == 0) {
            options->divide = true;
        } else {
            return std::string("unknown argument '") + argv[i] + "'";
        }
    }
    return "";
}

// Sets up the start position; returns an error text or "".
std::string StartPosition(const Options& options, CMoveGen* start, int* halfMoves) {
    *halfMoves = 0;
    if (!options.haveFen) {
        start->SetupInitial();
    } else {
        const std::string error = start->SetupFen(options.fen, halfMoves);
        if (!error.empty()) return error;
    }
    start->Generate();
    start->FilterLegal();
    return "";
}

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "perft") == 0) return RunPerft(argc, argv);
    if (std::strcmp(argv[1], "play") == 0) return RunPlay(argc, argv);
    if (std::strcmp(argv[1], "replay") == 0) return RunReplay(argc, argv, UsageError);
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    return UsageError(std::string("unknown command '") + argv[1] + "'");
}
