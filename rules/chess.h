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
uint8_t MaterialValue(uint8_t code);

// English letter of a piece code: capital for White, small for Black, blank for empty.
char PieceLetter(uint8_t code);

// Castling rights, the low four bits of a move's flags.
constexpr uint8_t kWhiteKingSide = 1, kWhiteQueenSide = 2, kBlackKingSide = 4, kBlackQueenSide = 8;
constexpr uint8_t kAllCastling = 15;
constexpr uint8_t kCastlingMask = 0x0F;

// Other bits of a move's flags.
constexpr uint8_t kCaptureFlag = 0x10;
constexpr uint8_t kPromotionFlag = 0x80;

}  // namespace chess
