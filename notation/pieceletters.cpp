#include "notation/pieceletters.h"

#include "rules/chess.h"

namespace {

using chess::SmallLetter;

// Each kind's letter in German notation; the English one is chess::PieceLetter's.
struct GermanLetter {
    uint8_t kind;
    char german;
};
constexpr GermanLetter kGermanLetters[] = {
    {chess::kKing, 'K'}, {chess::kQueen, 'D'}, {chess::kBishop, 'L'},
    {chess::kKnight, 'S'}, {chess::kRook, 'T'}, {chess::kPawn, 'B'},
};

char Letter(const GermanLetter& piece, bool german) {
    return german ? piece.german : chess::PieceLetter(piece.kind);
}

// Work on the unsigned byte: bytes from 0x80 up must neither fold nor look
// like small letters.
char Translate(char c, bool toGerman) {
    const unsigned char u = static_cast<unsigned char>(c);
    for (const GermanLetter& piece : kGermanLetters) {
        // Only the letters of the pieces a pawn becomes are translated: the
        // German pawn's B is the English bishop.
        if (piece.kind == chess::kPawn) continue;
        const char from = Letter(piece, !toGerman);
        const char to = Letter(piece, toGerman);
        if (u == static_cast<unsigned char>(from)) return to;
        if (u == static_cast<unsigned char>(SmallLetter(from))) return SmallLetter(to);
    }
    return c;
}

uint8_t LookUp(bool german, char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    const unsigned char folded =
        (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - chess::kSmallLetterOffset) : u;
    uint8_t code = chess::kEmpty;
    for (const GermanLetter& piece : kGermanLetters)
        if (folded == static_cast<unsigned char>(Letter(piece, german))) code = piece.kind;
    // Small letters give the black piece. Everything from '[' up to DEL gets the
    // bit too, so a small non-letter yields 0x80, a code of no kind; bytes
    // from 0x80 up count as below 'Z' and get nothing.
    constexpr unsigned char kLastAscii = 0x7F;
    if (u > 'Z' && u <= kLastAscii) code |= chess::kBlack;
    return code;
}

}  // namespace

char EnglishToGerman(char c) { return Translate(c, true); }

char GermanToEnglish(char c) { return Translate(c, false); }

uint8_t EnglishLetterCode(char c) { return LookUp(false, c); }

uint8_t GermanLetterCode(char c) { return LookUp(true, c); }
