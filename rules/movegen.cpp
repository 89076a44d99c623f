#include "rules/movegen.h"

#include <cstdio>
#include <cstring>

#include "rules/bitboards.h"
#include "rules/castling.h"
#include "rules/chess.h"
#include "rules/geometry.h"

using namespace chess;
using geometry::kTables;

namespace {

constexpr uint8_t kPromotionKinds[] = {kQueen, kRook, kBishop, kKnight};
constexpr int kPromotionCount = sizeof kPromotionKinds / sizeof kPromotionKinds[0];

// A pawn's ranks: it moves forward, may step twice from its start, promotes
// from the rank before the last, and takes en passant on the rank the
// enemy's double step lands on.
struct PawnRanks {
    int forward;
    int doubleStep;
    int promotion;
    int passant;
    int enemyStart;
};
// Chosen once per list, as values: looked up per pawn in a table they made
// perft 4% slower.
constexpr PawnRanks PawnRanksOf(bool white) {
    return white ? PawnRanks{8, 1, 6, 4, 6} : PawnRanks{-8, 6, 1, 3, 1};
}

constexpr const char* kBadIndexText = "ierr";

inline bool IsEnemy(uint8_t code, uint8_t us) { return code != kEmpty && (code & kBlack) != us; }

// Writes a move as lists hold it: its flags keep only the castling rights
// that survive it.
inline void ListMove(Move& m, uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) {
    m.from = from;
    m.to = to;
    m.piece = piece;
    m.flags = FlagsAfter(from, to, flags);
}

}  // namespace

void CMoveGen::AddMove(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) {
    ListMove(m_moves[m_count++], from, to, piece, flags);
}

namespace {

// A sink takes the generator's moves one by one, and a promotion's four
// kinds, in the order of kPromotionKinds, in one call.
struct StoreSink {
    CMoveGen& gen;
    void Add(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) { gen.AddMove(from, to, piece, flags); }
    void AddPromotions(uint8_t from, uint8_t to, uint8_t colour, uint8_t flags) {
        for (uint8_t kind : kPromotionKinds) gen.AddMove(from, to, kind | colour, flags);
    }
};

// Counts every move and keeps those onto target, in the order they come.
struct CountSink {
    uint8_t target;
    int16_t count;
    int16_t kept;
    Move* onTarget;
    void Add(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) {
        ++count;
        if (to == target) Keep(from, piece, flags);
    }
    void AddPromotions(uint8_t from, uint8_t to, uint8_t colour, uint8_t flags) {
        count = static_cast<int16_t>(count + kPromotionCount);
        if (to != target) return;
        for (uint8_t kind : kPromotionKinds) Keep(from, kind | colour, flags);
    }
    void Keep(uint8_t from, uint8_t piece, uint8_t flags) { ListMove(onTarget[kept++], from, target, piece, flags); }
};

// After the king's steps, for a king on its castling square.
template <class Sink>
void GenerateCastling(const CPosition& p, int sq, uint8_t piece, Sink& sink) {
    const uint8_t rights = p.CastlingRights();
    for (const Castling& c : kCastlings)
        if (c.kingFrom == sq && CastlingOpen(c, p.m_board, rights)) sink.Add(c.kingFrom, c.kingTo, piece, rights);
}

// All moves of one pawn: en passant, the push (or its four promotions) and
// the double step, then the captures towards the a-file and the h-file.
// Inlined into both callers, the counter's pawn loop too, where a call per
// pawn made the search 7% slower; compilers that do not know the attribute
// ignore it.
template <class Sink>
[[gnu::always_inline]] inline void GeneratePawn(const CPosition& p, int sq, uint8_t piece, const PawnRanks& ranks,
                                                Sink& sink) {
    const uint8_t* board = p.m_board;
    const uint8_t us = piece & kBlack;
    const int file = FileOf(sq), rank = RankOf(sq);
    const uint8_t rights = p.CastlingRights();
    const uint8_t from = static_cast<uint8_t>(sq);
    const uint8_t ahead = static_cast<uint8_t>(sq + ranks.forward);

    // Right after an enemy pawn's double step beside this pawn.
    if (rank == ranks.passant && RankOf(p.m_lastFrom) == ranks.enemyStart && RankOf(p.m_lastTo) == rank &&
        board[p.m_lastTo] == (kPawn | (us ^ kBlack))) {
        const int side = FileOf(p.m_lastTo) - file;
        if (side == -1 || side == 1) sink.Add(from, static_cast<uint8_t>(ahead + side), piece, rights | kCaptureFlag);
    }

    if (board[ahead] == kEmpty) {
        if (rank == ranks.promotion) {
            sink.AddPromotions(from, ahead, us, rights | kPromotionFlag);
        } else {
            sink.Add(from, ahead, piece, rights);
            if (rank == ranks.doubleStep && board[ahead + ranks.forward] == kEmpty)
                sink.Add(from, static_cast<uint8_t>(ahead + ranks.forward), piece, rights);
        }
    }

    for (int side = -1; side <= 1; side += 2) {
        if (file + side < 0 || file + side > 7) continue;
        const uint8_t to = static_cast<uint8_t>(ahead + side);
        if (!IsEnemy(board[to], us)) continue;
        if (rank == ranks.promotion) {
            sink.AddPromotions(from, to, us, rights | kPromotionFlag | kCaptureFlag);
        } else {
            sink.Add(from, to, piece, rights | kCaptureFlag);
        }
    }
}

// The generator's one body; the sink decides what a move costs. Generate
// stores every move, CountReplies only counts them and keeps those onto
// one square, so both see the same moves in the same order.
template <class Sink>
void GenerateInto(const CPosition& p, Sink& sink) {
    const uint8_t* board = p.m_board;
    const uint8_t us = p.SideToMove();
    const PawnRanks pawnRanks = PawnRanksOf(us == 0);
    const uint8_t rights = p.CastlingRights();
    const uint8_t capture = rights | kCaptureFlag;

    for (int sq = 0; sq < kSquares; ++sq) {
        const uint8_t piece = board[sq];
        if (piece == kEmpty || (piece & kBlack) != us) continue;
        const uint8_t from = static_cast<uint8_t>(sq);
        const uint8_t kind = KindOf(piece);

        if (kind & (kQueen | kBishop | kRook)) {
            const int first = kind == kRook ? geometry::kFirstStraight : 0;
            const int last = kind == kBishop ? geometry::kFirstStraight : geometry::kDirections;
            for (int d = first; d < last; ++d) {
                const uint8_t* ray = kTables.ray[sq][d];
                for (int i = 0, n = kTables.rayLength[sq][d]; i < n; ++i) {
                    const uint8_t target = board[ray[i]];
                    if (target == kEmpty) {
                        sink.Add(from, ray[i], piece, rights);
                        continue;
                    }
                    if ((target & kBlack) != us) sink.Add(from, ray[i], piece, capture);
                    break;
                }
            }
        } else if (kind == kKnight || kind == kKing) {
            const uint8_t* steps = kind == kKnight ? kTables.knight[sq] : kTables.king[sq];
            const int n = kind == kKnight ? kTables.knightCount[sq] : kTables.kingCount[sq];
            for (int i = 0; i < n; ++i) {
                const uint8_t target = board[steps[i]];
                if (target == kEmpty)
                    sink.Add(from, steps[i], piece, rights);
                else if ((target & kBlack) != us)
                    sink.Add(from, steps[i], piece, capture);
            }
            if (kind == kKing) GenerateCastling(p, sq, piece, sink);
        } else if (kind == kPawn) {
            GeneratePawn(p, sq, piece, pawnRanks, sink);
        }
    }
}

}  // namespace

void CMoveGen::Generate() {
    m_count = 0;
    StoreSink sink{*this};
    GenerateInto(*this, sink);
}

// Counting needs no list: the reach of every piece but the pawns comes from
// square sets, and the pawns go through the generator's own routine. The
// moves onto target are kept in generation order, which is ascending
// from-square order, since no piece has two moves onto one square but for
// the four kinds of a promotion.
int16_t CMoveGen::CountReplies(const CPosition& p, uint8_t target, Move* onTarget, int16_t* kept) {
    using namespace bitboards;
    CountSink sink{target, 0, 0, onTarget};
    if (p.m_board[target] == kEmpty) {
        // Pushes and castling could land there too: let the generator keep the order.
        GenerateInto(p, sink);
        *kept = sink.kept;
        return sink.count;
    }
    const uint8_t capture = p.CastlingRights() | kCaptureFlag;
    const PawnRanks pawnRanks = PawnRanksOf(p.IsWhiteToMove());
    Mask occupied, black;
    Occupancy(p.m_board, &occupied, &black);
    const Mask own = p.SideToMove() ? black : occupied & ~black;
    const Mask free = ~own;
    const Mask targetBit = Mask(1) << target;

    for (Mask pieces = own; pieces; pieces &= pieces - 1) {
        const int sq = Lowest(pieces);
        const uint8_t piece = p.m_board[sq];
        const uint8_t kind = KindOf(piece);
        Mask reach;
        if (kind & (kQueen | kBishop | kRook)) {
            const int first = kind == kRook ? geometry::kFirstStraight : 0;
            const int last = kind == kBishop ? geometry::kFirstStraight : geometry::kDirections;
            reach = 0;
            for (int d = first; d < last; ++d) reach |= RayAttacks(sq, d, occupied);
            reach &= free;
        } else if (kind == kKnight) {
            reach = bitboards::kTables.knight[sq] & free;
        } else if (kind == kKing) {
            reach = bitboards::kTables.king[sq] & free;
            // Castling lands on an empty square, never on target.
            GenerateCastling(p, sq, piece, sink);
        } else if (kind == kPawn) {
            GeneratePawn(p, sq, piece, pawnRanks, sink);
            continue;
        } else {
            continue;
        }
        sink.count = static_cast<int16_t>(sink.count + Count(reach));
        if (reach & targetBit) sink.Keep(static_cast<uint8_t>(sq), piece, capture);
    }
    *kept = sink.kept;
    return sink.count;
}

void CMoveGen::CopyApplyGenerate(const CPosition& parent, Move move) {
    CopyFrom(parent);
    Apply(move);
    Generate();
}

void CMoveGen::MakeChild(const CMoveGen& parent, int16_t index) {
    CopyApplyGenerate(parent, parent.m_moves[index]);
    FilterLegal();
}

bool CMoveGen::InCheck() const {
    const uint8_t us = SideToMove();
    return KingAttacked(KingSquare(us), us);
}

bool CMoveGen::KingCapturable() const {
    for (int i = 0; i < m_count; ++i)
        if (KindOf(m_board[m_moves[i].to]) == kKing) return true;
    return false;
}

void CMoveGen::RemoveMove(int index) {
    if (m_count > 1) m_moves[index] = m_moves[m_count - 1];
    --m_count;
}

bool CMoveGen::LeavesKingAttacked(const Move& move, int king, bool inCheck, const int8_t* pinDirection) {
    if (king < 0) return false;  // no king of ours, nothing can capture it
    const uint8_t them = (m_board[king] & kBlack) ^ kBlack;
    const uint8_t mover = m_board[move.from];
    const bool kingMove = move.from == king;
    const bool castling = kingMove && IsCastling(mover, move.from, move.to);

    if (castling || IsEnPassant(move)) {
        // Rare and with side effects beyond two squares: play it on a copy.
        CPosition child;
        child.CopyFrom(*this);
        child.Apply(move);
        return child.IsAttacked(kingMove ? move.to : king, them);
    }
    if (kingMove) {
        // Lift the king so that sliders see through its old square.
        m_board[king] = kEmpty;
        const bool attacked = IsAttacked(move.to, them);
        m_board[king] = mover;
        return attacked;
    }
    if (inCheck) {
        const uint8_t saved = m_board[move.to];
        m_board[move.to] = move.piece;
        m_board[move.from] = kEmpty;
        const bool attacked = IsAttacked(king, them);
        m_board[move.from] = mover;
        m_board[move.to] = saved;
        return attacked;
    }
    const int8_t pin = pinDirection[move.from];
    return pin >= 0 && kTables.line[king][move.to] != pin;
}

void CMoveGen::FilterLegal() {
    const uint8_t us = SideToMove();
    const int king = KingSquare(us);
    const bool inCheck = KingAttacked(king, us);
    // No castling out of check, nor across a square the king may not step onto.
    const uint8_t rights = CastlingRights();
    uint8_t castlingAllowed = inCheck ? 0 : rights;

    // Pieces pinned against the king may only move along the pin line.
    int8_t pinDirection[64];
    std::memset(pinDirection, -1, sizeof pinDirection);
    if (king >= 0) {
        for (int d = 0; d < geometry::kDirections; ++d) {
            const uint8_t slider = (d < geometry::kFirstStraight ? kBishop : kRook) | kQueen;
            const uint8_t* ray = kTables.ray[king][d];
            int shield = -1;
            for (int i = 0, n = kTables.rayLength[king][d]; i < n; ++i) {
                const uint8_t code = m_board[ray[i]];
                if (code == kEmpty) continue;
                if ((code & kBlack) == us) {
                    if (shield >= 0) break;
                    shield = ray[i];
                    continue;
                }
                if (shield >= 0 && (code & slider)) pinDirection[shield] = static_cast<int8_t>(d);
                break;
            }
        }
    }

    for (int i = 0; i < m_count; ++i) {
        Move& m = m_moves[i];
        if (!LeavesKingAttacked(m, king, inCheck, pinDirection)) continue;
        if (m.from == king)
            for (const Castling& c : kCastlings)
                if (m.from == c.kingFrom && m.to == c.kingCrosses && m.piece == c.king)
                    castlingAllowed &= static_cast<uint8_t>(~c.right);
        m.to = kNoSquare;
    }

    // After every move was tried, so that the order of the king's steps does not matter.
    if (castlingAllowed != rights) {
        for (int i = 0; i < m_count; ++i) {
            Move& m = m_moves[i];
            if (m.from != king) continue;
            for (const Castling& c : kCastlings)
                if (m.from == c.kingFrom && m.to == c.kingTo && m.piece == c.king && !(castlingAllowed & c.right))
                    m.to = kNoSquare;
        }
    }

    for (int i = 0; i < m_count;) {
        if (m_moves[i].to == kNoSquare)
            RemoveMove(i);
        else
            ++i;
    }
}

char* CMoveGen::ResultText(char* out) const {
    out[0] = '\0';
    if (m_count > 0) return out;
    const char* text = !InCheck() ? kStalemateText : IsWhiteToMove() ? kBlackMatesText : kWhiteMatesText;
    std::strcpy(out, text);
    return out;
}

char* CMoveGen::CoordText(int16_t index, char* out) const {
    if (index < 0 || index >= m_count) {
        std::strcpy(out, kBadIndexText);
        return out;
    }
    const Move& m = m_moves[index];
    char* p = out;
    *p++ = FileLetter(m.from);
    *p++ = RankDigit(m.from);
    *p++ = FileLetter(m.to);
    *p++ = RankDigit(m.to);
    if (m.flags & kPromotionFlag) *p++ = SmallLetter(PieceLetter(KindOf(m.piece)));
    *p = '\0';
    return out;
}
