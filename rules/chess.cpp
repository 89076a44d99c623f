#include "rules/chess.h"

namespace chess {

uint8_t MaterialValue(uint8_t code) {
    switch (KindOf(code)) {
    case kKing: return kKingValue;
    case kQueen: return kQueenValue;
    case kBishop: return kBishopValue;
    case kKnight: return kKnightValue;
    case kRook: return kRookValue;
    case kPawn: return kPawnValue;
    default: return 0;
    }
}

char PieceLetter(uint8_t code) {
    char letter;
    switch (KindOf(code)) {
    case kKing: letter = 'K'; break;
    case kQueen: letter = 'Q'; break;
    case kBishop: letter = 'B'; break;
    case kKnight: letter = 'N'; break;
    case kRook: letter = 'R'; break;
    case kPawn: letter = 'P'; break;
    default: return ' ';
    }
    return IsBlackPiece(code) ? static_cast<char>(letter - 'A' + 'a') : letter;
}

}  // namespace chess
