// The game as the rest of the program sees it: moves go in as text,
// answers come out as text.
#pragma once

#include <cstdint>

#include "game/game.h"
#include "rules/position.h"

class CGameTags;

class CGameFacade {
public:
    static constexpr int kTextSize = 100;

    // Internal English status texts; the view shows them translated.
    static constexpr const char* kCheckText = "chess !";
    static constexpr const char* kWhiteTurnText = "It's white turn";
    static constexpr const char* kBlackTurnText = "It's black turn";
    // Refusals of EnterMove, shown as they are.
    static constexpr const char* kBadFormatText = "Format des Zugs ungültig";
    static constexpr const char* kInvalidMoveFormat = "Ungültiger Zug: %s";
    static constexpr const char* kHistoryFullText = "Partie zu lang: kein weiterer Zug möglich";

    CGameFacade();
    // A game from a set-up position (tools and tests).
    explicit CGameFacade(const CPosition& start, int fiftyCount = 0);
    virtual ~CGameFacade();
    CGameFacade(const CGameFacade&) = delete;
    CGameFacade& operator=(const CGameFacade&) = delete;

    CGame* GetGame() const { return m_game; }
    const char* EnterMove(const char* move);
    int GameOver(char* out) const;
    const char* StatusText();
    int LegalMoveCount() const;
    const char* LegalMoveText(int index);
    CGameTags* UpdateResultTag();
    // The piece code on a square of the current position; empty off the board.
    uint8_t PieceAt(int rank, int file) const;

private:
    void FormatInvalidMove(const char* move);

    char m_text[kTextSize];
    CGame* m_game;
    CGameTags* m_tags;
};
