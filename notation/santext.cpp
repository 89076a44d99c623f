#include "notation/santext.h"

#include <cstdio>

#include "rules/castling.h"
#include "rules/chess.h"

namespace {

// Callers hand in buffers of at least this size; the longest text is six.
constexpr size_t kOutSize = 100;

constexpr char kKingFormat[] = "K%s%c%c";
constexpr char kPromotionCaptureFormat[] = "%cx%c%c=%c";
constexpr char kPromotionFormat[] = "%c%c=%c";
constexpr char kPawnCaptureFormat[] = "%cx%c%c";
constexpr char kPawnFormat[] = "%c%c";
constexpr char kPieceFormat[] = "%c%s%s%c%c";
constexpr char kCaptureMark[] = "x";
constexpr char kNoMark[] = "";
constexpr size_t kDisambiguationSize = 3;

// Capital letter of a kind, whatever the piece's colour.
char KindLetter(uint8_t piece) { return chess::PieceLetter(chess::KindOf(piece)); }

// File and/or rank of the origin, as far as other legal moves of the same
// kind to the same square make it necessary.
void Disambiguation(const CMoveGen& before, int from, int to, uint8_t kind, char* out) {
    bool rival = false, rivalOnFile = false, rivalOnRank = false;
    for (int i = 0; i < before.m_count; ++i) {
        const Move& move = before.m_moves[i];
        // A pawn promoting on the square is no rival of a piece going there.
        if (move.from == from || move.to != to || chess::KindOf(move.piece) != kind ||
            (move.flags & chess::kPromotionFlag))
            continue;
        rival = true;
        rivalOnFile |= chess::FileOf(move.from) == chess::FileOf(from);
        rivalOnRank |= chess::RankOf(move.from) == chess::RankOf(from);
    }
    int n = 0;
    if (rival && (!rivalOnFile || rivalOnRank)) out[n++] = chess::FileLetter(from);
    if (rival && rivalOnFile) out[n++] = chess::RankDigit(from);
    out[n] = '\0';
}

}  // namespace

void SanText(const CPosition& after, char* out, const CMoveGen& before) {
    const int from = after.m_lastFrom;
    const int to = after.m_lastTo;
    const uint8_t kind = chess::KindOf(after.m_lastPiece);
    const bool capture = (after.m_flags & chess::kCaptureFlag) != 0;
    const bool promotion = (after.m_flags & chess::kPromotionFlag) != 0;
    const char toFile = chess::FileLetter(to);
    const char toRank = chess::RankDigit(to);

    if (kind == chess::kEmpty) {
        // A set-up position was produced by no move.
        out[0] = '\0';
    } else if (kind == chess::kKing) {
        std::snprintf(out, kOutSize, kKingFormat, capture ? kCaptureMark : kNoMark, toFile, toRank);
        if (const chess::Castling* castling = chess::CastlingByKingMove(from, to))
            std::snprintf(out, kOutSize, "%s", castling->san);
    } else if (promotion) {
        const char letter = KindLetter(kind);
        if (capture)
            std::snprintf(out, kOutSize, kPromotionCaptureFormat, chess::FileLetter(from), toFile,
                          toRank, letter);
        else
            std::snprintf(out, kOutSize, kPromotionFormat, toFile, toRank, letter);
    } else if (kind == chess::kPawn) {
        if (capture)
            std::snprintf(out, kOutSize, kPawnCaptureFormat, chess::FileLetter(from), toFile, toRank);
        else
            std::snprintf(out, kOutSize, kPawnFormat, toFile, toRank);
    } else {
        char origin[kDisambiguationSize];
        Disambiguation(before, from, to, kind, origin);
        std::snprintf(out, kOutSize, kPieceFormat, KindLetter(kind), origin,
                      capture ? kCaptureMark : kNoMark, toFile, toRank);
    }
}
