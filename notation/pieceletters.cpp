#include "notation/pieceletters.h"

#include "rules/chess.h"

namespace {

using chess::kPieceKinds;
using chess::PieceKind;
using chess::SmallLetter;

// Work on the unsigned byte: bytes from 0x80 up must neither fold nor look
// like small letters.
char Translate(char c, bool toGerman) {
    const unsigned char u = static_cast<unsigned char>(c);
    for (const PieceKind& piece : kPieceKinds) {
        // Only the letters of the pieces a pawn becomes are translated: the
        // German pawn's B is the English bishop.
        if (piece.kind == chess::kPawn) continue;
        const char from = toGerman ? piece.english : piece.german;
        const char to = toGerman ? piece.german : piece.english;
        if (u == static_cast<unsigned char>(from)) return to;
        if (u == static_cast<unsigned char>(SmallLetter(from))) return SmallLetter(to);
    }
    return c;
}

uint8_t LookUp(char PieceKind::*letter, char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    const unsigned char folded =
        (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - chess::kSmallLetterOffset) : u;
    uint8_t code = chess::kEmpty;
    for (const PieceKind& piece : kPieceKinds)
        if (folded == static_cast<unsigned char>(piece.*letter)) code = piece.kind;
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

uint8_t EnglishLetterCode(char c) { return LookUp(&PieceKind::english, c); }

uint8_t GermanLetterCode(char c) { return LookUp(&PieceKind::german, c); }
