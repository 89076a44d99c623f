#include "notation/pieceletters.h"

#include "rules/chess.h"

namespace {

struct LetterPair {
    char english;
    char german;
};

// Only these four letters differ; the king is K in both languages.
constexpr LetterPair kLetterPairs[] = {{'Q', 'D'}, {'R', 'T'}, {'B', 'L'}, {'N', 'S'}};

struct LetterCode {
    char letter;
    uint8_t code;
};

constexpr LetterCode kEnglishCodes[] = {
    {'K', chess::kKing},   {'Q', chess::kQueen}, {'B', chess::kBishop},
    {'N', chess::kKnight}, {'R', chess::kRook},  {'P', chess::kPawn}};
constexpr LetterCode kGermanCodes[] = {
    {'K', chess::kKing},   {'D', chess::kQueen}, {'L', chess::kBishop},
    {'S', chess::kKnight}, {'T', chess::kRook},  {'B', chess::kPawn}};

constexpr int kCaseDistance = 'a' - 'A';

constexpr unsigned char ToSmall(char capital) {
    return static_cast<unsigned char>(capital + kCaseDistance);
}

// Work on the unsigned byte: bytes from 0x80 up must neither fold nor look
// like small letters.
char Translate(char c, bool toGerman) {
    const unsigned char u = static_cast<unsigned char>(c);
    for (const LetterPair& pair : kLetterPairs) {
        const char from = toGerman ? pair.english : pair.german;
        const char to = toGerman ? pair.german : pair.english;
        if (u == static_cast<unsigned char>(from)) return to;
        if (u == ToSmall(from)) return static_cast<char>(ToSmall(to));
    }
    return c;
}

template <int N>
uint8_t LookUp(const LetterCode (&table)[N], char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    const unsigned char folded =
        (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - kCaseDistance) : u;
    uint8_t code = chess::kEmpty;
    for (const LetterCode& entry : table) {
        if (folded == static_cast<unsigned char>(entry.letter)) code = entry.code;
    }
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

uint8_t EnglishLetterCode(char c) { return LookUp(kEnglishCodes, c); }

uint8_t GermanLetterCode(char c) { return LookUp(kGermanCodes, c); }
