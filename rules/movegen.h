// A position with its move list: generates, filters to the legal moves and
// makes child positions by copy-make.
#pragma once

#include <cstdint>

#include "rules/position.h"
#include "rules/replycounter.h"

class CMoveGen : public CPosition {
public:
    static constexpr int kMaxMoves = 500;
    static constexpr int kCoordTextSize = 6;
    // Internal result texts of a position without legal moves.
    static constexpr const char* kBlackMatesText = "0-1 {Black mates}";
    static constexpr const char* kWhiteMatesText = "1-0 {White mates}";
    static constexpr const char* kStalemateText = "1/2-1/2 {Stalemate}";

    int16_t m_count;
    Move m_moves[kMaxMoves];

    CMoveGen() : m_count(0) {}

    // Pseudo-legal moves of the side to move, in the fixed generation order.
    void Generate();
    void AddMove(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags);
    // The number of pseudo-legal moves of position, as Generate would list
    // them, without storing the list; the moves onto target go to onTarget
    // (room for kMaxMovesOnto) in generation order, their number to kept.
    static int16_t CountReplies(const CPosition& position, uint8_t target, Move* onTarget, int16_t* kept);
    // No square can be reached by more moves than this: 16 pieces, and a
    // promotion counts four times.
    static constexpr int kMaxMovesOnto = CReplyCounter::kMaxMovesOnto;

    void CopyApplyGenerate(const CPosition& parent, Move move);
    // The child after the parent's move at index, with its legal list.
    void MakeChild(const CMoveGen& parent, int16_t index);

    bool InCheck() const;
    bool KingCapturable() const;
    void RemoveMove(int index);
    void FilterLegal();
    // "0-1 {Black mates}", "1-0 {White mates}", "1/2-1/2 {Stalemate}" or empty.
    char* ResultText(char* out) const;
    // e2e4, e7e8q; "ierr" for an index outside the list.
    char* CoordText(int16_t index, char* out) const;

};
