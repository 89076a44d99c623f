#include "tools/cli/cliargs.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/core/dialogs/settingsdlglogic.h"
#include "rules/movegen.h"
#include "tools/cli/platform.h"

namespace cli {

const char* const kUsage =
    "usage:\n"
    "  torvo-cli perft DEPTH [--fen FEN] [--divide]\n"
    "      count the leaves of the legal move tree to DEPTH half-moves\n"
    "  torvo-cli play [--fen FEN]\n"
    "      play the move texts read from standard input, one answer line each\n"
    "  torvo-cli replay [--record] [FILE]\n"
    "      open a PGN text (standard input without FILE) and write what saving it writes;\n"
    "      with --record only the loaded game's own record\n"
    "  torvo-cli think [--fen FEN] [--level 1-4 | --suggest] [MOVE...]\n"
    "      play the moves, think as the computer does and print its move\n"
    "  torvo-cli bench [--depth N | --level 1-4]\n"
    "      search a fixed set of positions to a fixed depth; print nodes and speed;\n"
    "      with --level, think as the level does and print the depth reached\n"
    "  torvo-cli uci\n"
    "      talk the Universal Chess Interface on standard input and output\n";

int UsageError(const std::string& message) {
    WriteError("torvo-cli: " + message + "\n" + kUsage);
    return kUsageError;
}

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

bool ReadNumber(const char* text, int64_t low, int64_t high, int64_t* value) {
    if (!text || ((*text < '0' || *text > '9') && *text != '-')) return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno || *end != '\0' || v < low || v > high) return false;
    *value = v;
    return true;
}

const char* const kLevelChoices = "1 to 4 (or 1013 to 1016)";

// The dialog's control numbers are only read here, from its header: the tool
// links none of the desktop's code for them.
bool ReadLevel(const char* text, EngineLevel* level) {
    int64_t value = 0;
    if (ReadNumber(text, 1, kLevelCount, &value)) {
        *level = LevelOfNumber(static_cast<int>(value));
        return true;
    }
    if (!ReadNumber(text, CSettingsDlgLogic::kFirstLevel, CSettingsDlgLogic::kLastLevel, &value)) return false;
    *level = CSettingsDlgLogic::EngineLevelOf(static_cast<int>(value));
    return true;
}

}  // namespace cli
