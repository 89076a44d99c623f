#include "rules/position.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "rules/bitboards.h"
#include "rules/castling.h"
#include "rules/chess.h"
#include "rules/geometry.h"

using namespace chess;

namespace {

constexpr uint8_t kBackRank[8] = {kRook, kKnight, kBishop, kQueen, kKing, kBishop, kKnight, kRook};
// The fields every position text carries, whatever the position holds.
constexpr const char* kFixedTextFields = "KQkq - 0 ";
// Keeps the move number far from the 16-bit limit over the longest game.
constexpr int kMaxFenMoveNumber = 9999;
constexpr int kMaxFenHalfMoves = 99999;
constexpr size_t kFenFields = 6;
// An empty castling or en-passant field.
constexpr const char* kFenNone = "-";

void AddMaterial(CPosition& p, uint8_t code) {
    if (IsBlackPiece(code))
        p.m_blackMaterial = static_cast<uint8_t>(p.m_blackMaterial + MaterialValue(code));
    else
        p.m_whiteMaterial = static_cast<uint8_t>(p.m_whiteMaterial + MaterialValue(code));
}

void TakeMaterial(CPosition& p, uint8_t code, uint8_t value) {
    uint8_t& total = IsBlackPiece(code) ? p.m_blackMaterial : p.m_whiteMaterial;
    total = static_cast<uint8_t>(total - value);
}

void SumMaterial(CPosition& p) {
    p.m_whiteMaterial = 0;
    p.m_blackMaterial = 0;
    for (uint8_t code : p.m_board)
        if (code) AddMaterial(p, code);
}

std::vector<std::string> FenFields(const std::string& fen) {
    std::istringstream in(fen);
    std::vector<std::string> fields;
    for (std::string field; in >> field;) fields.push_back(field);
    return fields;
}

std::string RankError(int rank, const char* what) { return "FEN rank " + std::to_string(rank + 1) + " " + what; }

// Ranks 8 to 1, each of 8 squares, with exactly one king of each colour
// and no pawn on the first or last rank; the material is summed up.
std::string ReadFenBoard(const std::string& field, CPosition& p) {
    int rank = 7, file = 0;
    for (char c : field) {
        if (c == '/') {
            if (file != 8) return RankError(rank, "does not have 8 squares");
            if (--rank < 0) return "FEN board has more than 8 ranks";
            file = 0;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 8) return RankError(rank, "has more than 8 squares");
        } else {
            const uint8_t code = FenLetterCode(c);
            if (code == kEmpty) return std::string("FEN board has an unknown character '") + c + "'";
            if (file >= 8) return RankError(rank, "has more than 8 squares");
            if (KindOf(code) == kPawn && (rank == 0 || rank == 7))
                return "FEN has a pawn on rank " + std::to_string(rank + 1);
            p.m_board[SquareOf(file++, rank)] = code;
        }
    }
    if (rank != 0 || file != 8) return "FEN board does not have 8 ranks of 8 squares";
    SumMaterial(p);

    int whiteKings = 0, blackKings = 0;
    for (uint8_t code : p.m_board) {
        whiteKings += code == kKing;
        blackKings += code == (kKing | kBlack);
    }
    if (whiteKings != 1 || blackKings != 1) return "FEN must have exactly one king of each colour";
    return "";
}

std::string ReadFenSide(const std::string& field, bool* white) {
    if (field != "w" && field != "b") return "FEN side to move must be w or b, not '" + field + "'";
    *white = field == "w";
    return "";
}

// Rights whose king or rook has left its square are dropped: they could never be used.
std::string ReadFenCastling(const std::string& field, CPosition& p) {
    if (field == kFenNone) return "";
    uint8_t rights = 0;
    for (char c : field) {
        const Castling* castling = CastlingByFenLetter(c);
        if (castling == nullptr) return std::string("FEN castling field has an unknown letter '") + c + "'";
        if (rights & castling->right) return std::string("FEN castling field repeats '") + c + "'";
        if (p.m_board[castling->kingFrom] == castling->king && p.m_board[castling->rookFrom] == castling->rook)
            rights |= castling->right;
    }
    p.m_flags = rights;
    return "";
}

// The square behind a pawn of the side that just moved, which becomes the
// last move's double step.
std::string ReadFenEnPassant(const std::string& field, bool white, CPosition& p) {
    if (field == kFenNone) return "";
    const int epRank = white ? 5 : 2;
    if (field.size() != 2 || field[0] < 'a' || field[0] > 'h' || field[1] != '1' + epRank)
        return "FEN en-passant square '" + field + "' must be on rank " + std::to_string(epRank + 1);
    const int epFile = field[0] - 'a';
    const int forward = white ? -1 : +1;  // direction the enemy pawn moved
    const int from = SquareOf(epFile, epRank - forward);
    const int to = SquareOf(epFile, epRank + forward);
    const uint8_t pawn = kPawn | (white ? kBlack : 0);
    if (p.m_board[to] != pawn || p.m_board[SquareOf(epFile, epRank)] != kEmpty || p.m_board[from] != kEmpty)
        return "FEN en-passant square '" + field + "' does not follow a pawn's double step";
    p.m_lastFrom = static_cast<uint8_t>(from);
    p.m_lastTo = static_cast<uint8_t>(to);
    p.m_lastPiece = pawn;
    return "";
}

bool ParseCount(const std::string& text, int low, int high, int* value) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *value = std::atoi(text.c_str());
    return *value >= low && *value <= high;
}

std::string ReadFenHalfMoves(const std::string& field, int* halfMoves) {
    if (!ParseCount(field, 0, kMaxFenHalfMoves, halfMoves))
        return "FEN half-move clock '" + field + "' is not a number from 0";
    return "";
}

std::string ReadFenMoveNumber(const std::string& field, int* moveNumber) {
    if (!ParseCount(field, 1, kMaxFenMoveNumber, moveNumber))
        return "FEN full-move number '" + field + "' is not a number from 1 to " + std::to_string(kMaxFenMoveNumber);
    return "";
}

}  // namespace

void CPosition::SetupInitial() {
    std::memset(m_board, 0, sizeof m_board);
    for (int file = 0; file < 8; ++file) {
        m_board[SquareOf(file, 0)] = kBackRank[file];
        m_board[SquareOf(file, 1)] = kPawn;
        m_board[SquareOf(file, 6)] = kPawn | kBlack;
        m_board[SquareOf(file, 7)] = kBackRank[file] | kBlack;
    }
    m_moveNumber = 1;
    m_lastFrom = 0;
    m_lastTo = 0;
    m_flags = kAllCastling;
    m_lastPiece = 0;
    SumMaterial(*this);
}

void CPosition::Apply(Move move) {
    // After White's move the sign turns; after Black's the next full move begins.
    m_moveNumber = static_cast<int16_t>(IsWhiteToMove() ? -m_moveNumber : 1 - m_moveNumber);
    m_lastFrom = move.from;
    m_lastTo = move.to;
    m_flags = move.flags;
    m_lastPiece = move.piece;

    const uint8_t captured = m_board[move.to];
    if (captured) TakeMaterial(*this, captured, MaterialValue(captured));

    const uint8_t mover = m_board[move.from];
    if (IsCastling(mover, move.from, move.to)) {
        if (const Castling* castling = CastlingByKingTo(move.to)) {
            m_board[castling->rookTo] = m_board[castling->rookFrom];
            m_board[castling->rookFrom] = kEmpty;
        }
    } else if (IsEnPassant(move)) {
        const int victim = SquareOf(FileOf(move.to), RankOf(move.from));
        TakeMaterial(*this, m_board[victim], kPawnValue);
        m_board[victim] = kEmpty;
    }

    m_board[move.to] = mover;
    m_board[move.from] = kEmpty;

    if (mover != move.piece) {
        TakeMaterial(*this, mover, kPawnValue);
        m_board[move.to] = move.piece;
        AddMaterial(*this, move.piece);
    }
}

int CPosition::AdjustForDevelopment(int value) const {
    // Emptied minor-piece and king's-pawn squares and a castled king count;
    // any piece on a square makes it occupied, the king too. Counted rather
    // than branched on: the squares' contents are anyone's guess.
    constexpr int kMinorSquare = 7, kKingPawnSquare = 9, kCastledKing = 28;
    for (uint8_t sq : kWhiteMinorSquares) value -= kMinorSquare * (m_board[sq] != kEmpty);
    value -= kKingPawnSquare * (m_board[kE2] != kEmpty);
    value += kCastledKing * ((m_board[kG1] == kKing) + (m_board[kC1] == kKing));
    for (uint8_t sq : kBlackMinorSquares) value += kMinorSquare * (m_board[sq] != kEmpty);
    value += kKingPawnSquare * (m_board[kE7] != kEmpty);
    value -= kCastledKing * ((m_board[kG8] == (kKing | kBlack)) + (m_board[kC8] == (kKing | kBlack)));
    return value;
}

char* CPosition::ToText(char* out) const {
    char* p = out;
    for (int rank = 7; rank >= 0; --rank) {
        int run = 0;
        for (int file = 0; file < 8; ++file) {
            const uint8_t code = m_board[SquareOf(file, rank)];
            if (code == kEmpty) {
                ++run;
                continue;
            }
            if (run) *p++ = static_cast<char>('0' + run);
            run = 0;
            *p++ = PieceLetter(code);
        }
        if (run) *p++ = static_cast<char>('0' + run);
        *p++ = '/';
    }
    p[-1] = ' ';
    *p++ = IsWhiteToMove() ? 'w' : 'b';
    *p++ = ' ';
    std::snprintf(p, kTextSize - (p - out), "%s%d", kFixedTextFields, FullMoveNumber());
    return out;
}

int CPosition::KingSquare(uint8_t colour) const {
    const uint8_t king = kKing | colour;
    for (int sq = 0; sq < 64; ++sq)
        if (m_board[sq] == king) return sq;
    return -1;
}

bool CPosition::IsAttacked(int square, uint8_t byColour) const {
    using namespace bitboards;
    const PieceSets sets = ReadPieceSets(m_board);
    return Attackers(sets, square, byColour, sets.occupied) != 0;
}

std::string CPosition::SetupFen(const std::string& fen, int* halfMoveClock) {
    const std::vector<std::string> fields = FenFields(fen);
    if (fields.size() < 2) return "FEN needs at least the board and the side to move";
    if (fields.size() > kFenFields) return "FEN has more than six fields";

    CPosition p{};
    bool white = true;
    int halfMoves = 0;
    int moveNumber = 1;
    // The first error found is the answer, in the order of the fields.
    std::string error = ReadFenBoard(fields[0], p);
    if (error.empty()) error = ReadFenSide(fields[1], &white);
    if (error.empty() && fields.size() > 2) error = ReadFenCastling(fields[2], p);
    if (error.empty() && fields.size() > 3) error = ReadFenEnPassant(fields[3], white, p);
    if (error.empty() && fields.size() > 4) error = ReadFenHalfMoves(fields[4], &halfMoves);
    if (error.empty() && fields.size() > 5) error = ReadFenMoveNumber(fields[5], &moveNumber);
    if (!error.empty()) return error;
    p.m_moveNumber = static_cast<int16_t>(white ? moveNumber : -moveNumber);
    const uint8_t waiting = p.SideToMove() ^ kBlack;
    if (p.KingAttacked(p.KingSquare(waiting), waiting)) return "FEN side not to move is in check";

    *this = p;
    if (halfMoveClock) *halfMoveClock = halfMoves;
    return "";
}
