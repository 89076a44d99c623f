#include "game/notationwalk.h"

#include "game/game.h"
#include "game/gamefacade.h"
#include "notation/gametags.h"

namespace {
constexpr char kMoveGap = ' ';
}

void CNotationWalk::Walk(CGameFacade* facade, const char* unfinished, ILineSink& sink) {
    CGameTags* tags = facade->UpdateResultTag();
    for (const char* line = tags->First(); line != nullptr; line = tags->Next()) sink.TagLine(line);
    sink.Gap();

    const CGame* game = facade->GetGame();
    char text[CGame::kTextSize];
    std::string line;
    for (int ply = 1;; ++ply) {
        // The break comes when a thirteenth text is due, before asking for it:
        // twelve half-moves end with the result on a line of its own.
        if (ply > 1 && (ply - 1) % kTextsPerLine == 0) {
            sink.MoveLine(line, false);
            line.clear();
        }
        const char* move = game->MoveText(ply, text);
        if (move == nullptr) break;
        line.append(move);
        line.push_back(kMoveGap);
    }
    char result[CGame::kTextSize];
    line.append(facade->GameOver(result) == 1 ? result : unfinished);
    sink.MoveLine(line, true);
}
