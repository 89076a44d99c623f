#include "app/core/base/displaytext.h"

#include <cstddef>
#include <cstring>

#include "game/game.h"
#include "game/gamefacade.h"
#include "rules/movegen.h"

namespace {

// Any other text that starts like a draw.
constexpr const char* kDrawResult = "1/2-1/2";

constexpr size_t kWholeText = 0;
// Leading characters compared of the draw texts.
constexpr size_t kTooManyPrefix = 16;
constexpr size_t kDrawByPrefix = 20;
constexpr size_t kDrawPrefix = 7;

struct Translation {
    const char* internal;
    size_t compared;  // leading characters compared, or kWholeText
    const char* display;
};

// First match wins, so the bare "1/2-1/2" row has to come last.
constexpr Translation kTranslations[] = {
    {CGameFacade::kCheckText, kWholeText, "Schach !"},
    {CGameFacade::kWhiteTurnText, kWholeText, "Weiss ist am Zug"},
    {CGameFacade::kBlackTurnText, kWholeText, "Schwarz ist am Zug"},
    {CMoveGen::kBlackMatesText, kWholeText, "0-1 {Schwarz setzt matt und gewinnt}"},
    {CMoveGen::kWhiteMatesText, kWholeText, "1-0 {Weiss setzt matt und gewinnt}"},
    {CMoveGen::kStalemateText, kWholeText, "1/2-1/2 {Patt !}"},
    {CGame::kTooManyMovesText, kTooManyPrefix, "1/2-1/2 {Zu viele Züge --> 50 Züge Regel}"},
    {CGame::kInsufficientText, kDrawByPrefix, "1/2-1/2 {Unentschieden aufgrund zuwenig Material}"},
    {CGame::kRepetitionText, kDrawByPrefix, "1/2-1/2 {Unentschieden aufgrund Zugwiederholung}"},
    {CGame::kFiftyMoveText, kDrawByPrefix, "1/2-1/2 {Unentschieden aufgrund 50 Züge Regel}"},
    {kDrawResult, kDrawPrefix, "1/2-1/2 {Unentschieden}"},
};

}  // namespace

const char* DisplayText(const char* text) {
    for (const Translation& row : kTranslations) {
        const bool match = row.compared == kWholeText
                               ? std::strcmp(text, row.internal) == 0
                               : std::strncmp(text, row.internal, row.compared) == 0;
        if (match) return row.display;
    }
    return text;
}
