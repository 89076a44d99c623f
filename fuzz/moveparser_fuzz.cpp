// Any text against a few positions: the parser gives a legal index or -1,
// and the facade plays only what the parser found.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/game.h"
#include "game/gamefacade.h"
#include "notation/moveparser.h"
#include "rules/movegen.h"

namespace {

// The first input byte picks one: castling both ways, promotions, en passant.
constexpr const char* kPositions[] = {
    nullptr,
    "r3k2r/pPppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPpP/R3K2R w KQkq - 0 1",
    "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
    "8/2P5/8/8/8/8/5p2/K6k b - - 0 1",
    "1N2k2N/8/8/8/8/8/8/1N2K2N w - - 0 1",
};
constexpr size_t kPositionCount = sizeof kPositions / sizeof kPositions[0];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char* fen = kPositions[data[0] % kPositionCount];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    CMoveGen gen;
    if (fen == nullptr) {
        gen.SetupInitial();
    } else if (!gen.SetupFen(fen).empty()) {
        __builtin_trap();
    }
    gen.Generate();
    gen.FilterLegal();
    const int16_t index = ParseMove(gen, text.c_str());
    if (index < -1 || index >= gen.m_count) __builtin_trap();

    CGameFacade facade(gen);
    const char* answer = facade.EnterMove(text.c_str());
    const bool played = *answer == '\0';
    // The facade refuses a text without letters and digits before the parser sees it.
    bool hasLetterOrDigit = false;
    for (const char* p = text.c_str(); *p != '\0'; ++p)
        if ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z') || (*p >= '0' && *p <= '9')) hasLetterOrDigit = true;
    if (played != (hasLetterOrDigit && index >= 0)) __builtin_trap();
    if (facade.GetGame()->GetPly() != (played ? 1 : 0)) __builtin_trap();
    return 0;
}
