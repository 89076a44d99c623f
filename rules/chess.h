// Board geometry, piece codes and castling bits shared by the whole chess core.
#pragma once

#include <cstdint>

namespace chess {

// Squares are rank * 8 + file, a1 = 0, h8 = 63.
constexpr int kSquares = 64;
constexpr uint8_t kA1 = 0, kB1 = 1, kC1 = 2, kD1 = 3, kE1 = 4, kF1 = 5, kG1 = 6, kH1 = 7;
constexpr uint8_t kA8 = 56, kB8 = 57, kC8 = 58, kD8 = 59, kE8 = 60, kF8 = 61, kG8 = 62, kH8 = 63;
// A to-square no square has; FilterLegal marks doomed moves with it.
constexpr uint8_t kNoSquare = 67;

constexpr int FileOf(int square) { return square & 7; }
constexpr int RankOf(int square) { return (square & 63) >> 3; }
constexpr int SquareOf(int file, int rank) { return rank * 8 + file; }
constexpr char FileLetter(int square) { return static_cast<char>('a' + FileOf(square)); }
constexpr char RankDigit(int square) { return static_cast<char>('1' + RankOf(square)); }

// Piece codes: one bit per kind, 0x80 for Black, 0 for an empty square.
constexpr uint8_t kEmpty = 0;
constexpr uint8_t kKing = 1, kQueen = 2, kBishop = 4, kKnight = 8, kRook = 16, kPawn = 32;
constexpr uint8_t kBlack = 0x80;
constexpr uint8_t kKindMask = 0x7F;

constexpr uint8_t KindOf(uint8_t code) { return code & kKindMask; }
constexpr bool IsBlackPiece(uint8_t code) { return (code & kBlack) != 0; }

// Material values; the king's 144 makes the kings cancel while both stand.
constexpr uint8_t kKingValue = 144, kQueenValue = 9, kBishopValue = 3, kKnightValue = 3,
                  kRookValue = 5, kPawnValue = 1;

// Each kind's letter and value. The English letter is also the FEN letter,
// a capital for White and a small letter for Black.
struct PieceKind {
    uint8_t kind;
    char english;
    uint8_t value;
};
constexpr PieceKind kPieceKinds[] = {
    {kKing, 'K', kKingValue},     {kQueen, 'Q', kQueenValue}, {kBishop, 'B', kBishopValue},
    {kKnight, 'N', kKnightValue}, {kRook, 'R', kRookValue},   {kPawn, 'P', kPawnValue},
};

constexpr char kSmallLetterOffset = 'a' - 'A';
constexpr char SmallLetter(char capital) { return static_cast<char>(capital + kSmallLetterOffset); }

// kPieceKinds indexed by kind, for the inner loops.
struct PieceKindIndex {
    uint8_t value[kKindMask + 1];
    char english[kKindMask + 1];
};
constexpr PieceKindIndex MakePieceKindIndex() {
    PieceKindIndex index{};
    for (const PieceKind& piece : kPieceKinds) {
        index.value[piece.kind] = piece.value;
        index.english[piece.kind] = piece.english;
    }
    return index;
}
inline constexpr PieceKindIndex kPieceKindIndex = MakePieceKindIndex();

constexpr uint8_t MaterialValue(uint8_t code) { return kPieceKindIndex.value[KindOf(code)]; }

// English (FEN) letter of a piece code: capital for White, small for Black, blank for empty.
constexpr char PieceLetter(uint8_t code) {
    const char capital = kPieceKindIndex.english[KindOf(code)];
    if (capital == '\0') return ' ';
    return IsBlackPiece(code) ? SmallLetter(capital) : capital;
}

// Piece code of a FEN letter; 0 for any other character.
constexpr uint8_t FenLetterCode(char letter) {
    for (const PieceKind& piece : kPieceKinds) {
        if (letter == piece.english) return piece.kind;
        if (letter == SmallLetter(piece.english)) return piece.kind | kBlack;
    }
    return kEmpty;
}

// Castling rights, the low four bits of a move's flags.
constexpr uint8_t kWhiteKingSide = 1, kWhiteQueenSide = 2, kBlackKingSide = 4, kBlackQueenSide = 8;
constexpr uint8_t kAllCastling = 15;
constexpr uint8_t kCastlingMask = 0x0F;

// Other bits of a move's flags.
constexpr uint8_t kCaptureFlag = 0x10;
constexpr uint8_t kPromotionFlag = 0x80;

}  // namespace chess
