#include "notation/gamerecord.h"

#include "notation/gametags.h"
#include "notation/pgntext.h"
#include "rules/game.h"
#include "rules/gamefacade.h"

namespace {

constexpr char kBlank = ' ';
constexpr const char* kFileUnfinished = "*";
constexpr const char* kClipboardUnfinished = " * ";

}  // namespace

void CGameRecord::Append(CGameFacade* facade, Form form, std::string* out) {
    const bool clipboard = form == Form::kClipboard;
    CGameTags* tags = facade->UpdateResultTag();
    for (const char* line = tags->First(); line != nullptr; line = tags->Next()) {
        out->append(line);
        if (clipboard) out->push_back(kBlank);
        out->append(kLineEnd);
    }
    out->append(kLineEnd);

    const CGame* game = facade->GetGame();
    char text[CGame::kTextSize];
    for (int ply = 1;; ++ply) {
        // The break comes when a thirteenth text is due, before asking for it.
        if (ply > 1 && (ply - 1) % kTextsPerLine == 0) {
            if (clipboard) out->push_back(kBlank);
            out->append(kLineEnd);
        }
        const char* move = game->MoveText(ply, text);
        if (move == nullptr) break;
        out->append(move);
        out->push_back(kBlank);
    }

    char result[CGame::kTextSize];
    if (facade->GameOver(result) == 1)
        out->append(result);
    else
        out->append(clipboard ? kClipboardUnfinished : kFileUnfinished);
    out->push_back(kBlank);
    out->append(kLineEnd);
}

void CGameRecord::AppendLines(CPgnText* text, std::string* out) {
    text->Rewind();
    for (const std::string* line = text->NextLine(); line != nullptr; line = text->NextLine()) {
        out->append(*line);
        out->push_back(kBlank);
        out->append(kLineEnd);
    }
}
