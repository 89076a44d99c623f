#include "tools/cli/think.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/core/dialogs/settingsdlglogic.h"
#include "engine/levels.h"
#include "engine/messagepump.h"
#include "engine/thinkingdriver.h"
#include "tools/cli/cliargs.h"
#include "tools/cli/consolehost.h"
#include "tools/cli/platform.h"

using namespace cli;

int RunThink(int argc, char** argv) {
    Options options;
    EngineLevel level = CSettingsDlgLogic::EngineLevelOf(CSettingsDlgLogic::kDefaultLevel);
    bool suggest = false, verbose = false;
    std::vector<const char*> moves;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fen") == 0) {
            if (i + 1 >= argc) return UsageError("--fen needs a FEN text");
            options.fen = argv[++i];
            options.haveFen = true;
        } else if (std::strcmp(argv[i], "--level") == 0) {
            if (i + 1 >= argc || !ReadLevel(argv[i + 1], &level))
                return UsageError(std::string("--level needs ") + kLevelChoices);
            ++i;
        } else if (std::strcmp(argv[i], "--suggest") == 0) {
            suggest = true;
        } else if (std::strcmp(argv[i], "--verbose") == 0) {
            verbose = true;
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            return UsageError(std::string("unknown argument '") + argv[i] + "'");
        } else {
            moves.push_back(argv[i]);
        }
    }
    CMoveGen start;
    int halfMoves = 0;
    const std::string error = StartPosition(options, &start, &halfMoves);
    if (!error.empty()) return UsageError(error);

    CGameFacade facade(start, halfMoves);
    for (const char* move : moves) {
        const char* answer = facade.EnterMove(move);
        if (*answer) return UsageError(std::string("move '") + move + "' refused: " + answer);
    }
    char result[CGame::kTextSize];
    if (facade.GameOver(result) == 1) {
        WriteError(std::string("game over: ") + result + "\n");
        std::printf("bestmove (none)\n");
        return 0;
    }

    CConsoleHost host(&facade, &TheMessagePump());
    host.SetStepsShown(verbose);
    CThinkingDriver driver(host);
    const char* move = driver.Think(suggest ? kSuggestionLimits : LevelLimits(level));
    std::printf("bestmove %s\n", move);
    return 0;
}
