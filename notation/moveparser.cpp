#include "notation/moveparser.h"

#include <cstring>

#include "notation/pieceletters.h"
#include "rules/castling.h"
#include "rules/chess.h"

namespace {

constexpr int16_t kNoMove = -1;
constexpr size_t kCoordinateLength = 4;
// Index of the optional promotion letter in coordinate text.
constexpr size_t kPromotionIndex = 4;

// Castling may also be written with the digit zero, though not mixed (O-0).
constexpr char kCastlingLetter = 'O';
constexpr char kCastlingDigit = '0';

// Wider than any value a character can produce, so '0' (rank -1) still
// counts as set and matches nothing.
constexpr int kUnset = -1000;

bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
bool IsRank(char c) { return c >= '1' && c <= '8'; }

// Whether text begins with the castling's SAN, its O written as `o`.
bool StartsWithCastling(const char* text, const char* san, char o) {
    for (; *san != '\0'; ++san, ++text)
        if (*text != (*san == kCastlingLetter ? o : *san)) return false;
    return true;
}

// The castling of the side to move that text begins with; the longest
// matches, as O-O-O begins with O-O.
const chess::Castling* CastlingText(const CMoveGen& gen, const char* text) {
    const chess::Castling* found = nullptr;
    for (const chess::Castling& c : chess::kCastlings) {
        if (c.king != (chess::kKing | gen.SideToMove())) continue;
        if (!StartsWithCastling(text, c.san, kCastlingLetter) && !StartsWithCastling(text, c.san, kCastlingDigit))
            continue;
        if (found == nullptr || std::strlen(c.san) > std::strlen(found->san)) found = &c;
    }
    return found;
}

// The last move of the list from one square to another; a promotion must be
// to the kind given.
int16_t FindMove(const CMoveGen& gen, int from, int to, uint8_t promotion) {
    int16_t found = kNoMove;
    for (int16_t i = 0; i < gen.m_count; ++i) {
        const Move& move = gen.m_moves[i];
        if (move.from != from || move.to != to) continue;
        if ((move.flags & chess::kPromotionFlag) && chess::KindOf(move.piece) != promotion) continue;
        found = i;
    }
    return found;
}

// The kind a promotion letter asks for. The letter goes through German so that
// English and German letters both work; a character that is no letter at all
// defaults to the queen.
uint8_t PromotionKind(char letter) {
    const uint8_t code = GermanLetterCode(EnglishToGerman(letter));
    if (code == chess::kEmpty) return chess::kQueen;
    return chess::KindOf(code);
}

bool Agrees(int value, int actual) { return value == kUnset || value == actual; }

}  // namespace

int16_t ParseMove(const CMoveGen& gen, const char* text) {
    if (IsCoordinateText(text)) return ParseCoordinate(gen, text);
    return ParseSan(gen, text);
}

bool IsCoordinateText(const char* text) {
    // Stops at the terminator, so short texts are never read past their end.
    return text != nullptr && IsFile(text[0]) && IsRank(text[1]) && IsFile(text[2]) &&
           IsRank(text[3]);
}

int16_t ParseCoordinate(const CMoveGen& gen, const char* text) {
    if (!IsCoordinateText(text)) return kNoMove;
    const int from = chess::SquareOf(text[0] - 'a', text[1] - '1');
    const int to = chess::SquareOf(text[2] - 'a', text[3] - '1');
    const uint8_t promotion =
        text[kCoordinateLength] == '\0' ? 0 : PromotionKind(text[kPromotionIndex]);
    return FindMove(gen, from, to, promotion);
}

int16_t ParseSan(const CMoveGen& gen, const char* text) {
    if (text == nullptr) return kNoMove;
    if (const chess::Castling* castling = CastlingText(gen, text))
        return FindMove(gen, castling->kingFrom, castling->kingTo, 0);

    int pieceKind = chess::kPawn;
    int promotionKind = 0;
    int toFile = kUnset, toRank = kUnset, fromFile = kUnset, fromRank = kUnset;

    // Right to left: the square nearest the end is the destination, anything
    // further left narrows down the origin.
    for (size_t i = std::strlen(text); i-- > 0;) {
        const char c = text[i];
        if (c == '=') {
            promotionKind = pieceKind;
            pieceKind = chess::kPawn;
        } else if (c == '+' || c == 'x' || c == '#' || c == ' ') {
            continue;
        } else if (c >= '0' && c <= '9') {
            (toRank == kUnset ? toRank : fromRank) = c - '1';
        } else if (c >= 'a' && c <= 'z') {
            (toFile == kUnset ? toFile : fromFile) = c - 'a';
        } else if (c >= 'A' && c <= 'Z') {
            pieceKind = chess::KindOf(EnglishLetterCode(c));
        }
    }

    // A text that names no part of a destination is no move: otherwise a word
    // such as "xxx", or a lone "N", would stand for any move of its kind.
    if (toFile == kUnset && toRank == kUnset) return kNoMove;

    int16_t found = kNoMove;
    for (int16_t i = 0; i < gen.m_count; ++i) {
        const Move& move = gen.m_moves[i];
        if (!Agrees(toFile, chess::FileOf(move.to)) || !Agrees(toRank, chess::RankOf(move.to)) ||
            !Agrees(fromFile, chess::FileOf(move.from)) ||
            !Agrees(fromRank, chess::RankOf(move.from)))
            continue;
        const int kind = chess::KindOf(move.piece);
        const bool fits = (move.flags & chess::kPromotionFlag)
                              ? pieceKind == chess::kPawn && promotionKind == kind
                              : pieceKind == kind;
        if (fits) found = i;
    }
    return found;
}
