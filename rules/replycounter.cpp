#include "rules/replycounter.h"

#include "rules/castling.h"
#include "rules/chess.h"
#include "rules/generation.h"

using namespace chess;
using namespace bitboards;

namespace {

constexpr Mask CastlingKingSquares() {
    Mask squares = 0;
    for (const Castling& c : kCastlings) squares |= Bit(c.kingFrom);
    return squares;
}
constexpr Mask kCastlingKingSquares = CastlingKingSquares();

// What a piece other than a pawn reaches from sq, its own squares included.
inline Mask Reach(const PieceSets& sets, int sq, Mask occupied) {
    const Mask bit = Bit(sq);
    if (sets.knights & bit) return bitboards::kTables.knight[sq];
    if (sets.kings & bit) return bitboards::kTables.king[sq];
    Mask reach = 0;
    if (sets.diagonal & bit) reach |= DiagonalAttacks(sq, occupied);
    if (sets.straight & bit) reach |= StraightAttacks(sq, occupied);
    return reach;
}

// The same for a piece of the base, whose reach there is known: a knight's
// and a king's do not depend on the board.
inline Mask ReachNow(const PieceSets& sets, int sq, Mask known, Mask occupied) {
    const Mask bit = Bit(sq);
    if (!((sets.diagonal | sets.straight) & bit)) return known;
    Mask reach = 0;
    if (sets.diagonal & bit) reach |= DiagonalAttacks(sq, occupied);
    if (sets.straight & bit) reach |= StraightAttacks(sq, occupied);
    return reach;
}

}  // namespace

CReplyCounter::CReplyCounter(const CPosition& base) : m_sets(ReadPieceSets(base.m_board)), m_watchers{} {
    const Mask nonPawns = m_sets.knights | m_sets.kings | m_sets.diagonal | m_sets.straight;
    for (int colour = 0; colour < 2; ++colour) {
        Side& side = m_side[colour];
        side.own = m_sets.Side(colour ? kBlack : 0);
        side.pieces = side.own & nonPawns;
        side.pawns = side.own & m_sets.pawns;
        side.moves = 0;
        for (Mask pieces = side.pieces; pieces; pieces &= pieces - 1) {
            const int sq = Lowest(pieces);
            m_reach[sq] = Reach(m_sets, sq, m_sets.occupied);
            m_moves[sq] = static_cast<uint8_t>(bitboards::Count(m_reach[sq] & ~side.own));
            side.moves += m_moves[sq];
            for (Mask seen = m_reach[sq]; seen; seen &= seen - 1) m_watchers[Lowest(seen)] |= Bit(sq);
        }
    }
}

// The sliders' moves are their reach without their own side's squares, the
// knights' and the king's the same with fixed reaches; the pawns' come from
// square sets by pushes and captures. Moves onto target are its attackers'
// captures, in generation order, which is ascending from-square order: no
// piece has two moves onto one square but for the four kinds of a promotion.
int16_t CReplyCounter::Count(const CPosition& position, Mask vacated, int target, Move* onTarget,
                             int16_t* kept) const {
    const uint8_t us = position.SideToMove();
    const bool white = us == 0;
    const Side& side = m_side[white ? 0 : 1];
    const Mask targetBit = target >= 0 ? Bit(target) : 0;
    const Mask changed = vacated | targetBit;
    const Mask occupied = (m_sets.occupied & ~vacated) | targetBit;
    const Mask own = side.own & ~changed;
    const Mask free = ~own, empty = ~occupied, enemy = occupied & ~own;
    const uint8_t* board = position.m_board;
    const uint8_t rights = position.CastlingRights();

    int count = side.moves;
    for (Mask gone = side.pieces & changed; gone; gone &= gone - 1) count -= m_moves[Lowest(gone)];
    // Only the pieces that see a changed square can reach elsewhere now.
    Mask touched = 0;
    for (Mask squares = changed; squares; squares &= squares - 1) touched |= m_watchers[Lowest(squares)];
    Mask attackers = 0;
    for (Mask pieces = touched & side.pieces & ~changed; pieces; pieces &= pieces - 1) {
        const int sq = Lowest(pieces);
        const Mask reach = ReachNow(m_sets, sq, m_reach[sq], occupied);
        count += bitboards::Count(reach & free) - m_moves[sq];
        if (reach & targetBit) attackers |= Bit(sq);
    }
    // Only a king on a castling square with some right left can castle.
    const Mask castlers = m_sets.kings & own & kCastlingKingSquares;
    if (castlers && rights) {
        for (Mask kings = castlers; kings; kings &= kings - 1) {
            const int sq = Lowest(kings);
            for (const Castling& c : kCastlings)
                if (c.kingFrom == sq && CastlingOpen(c, board, rights)) ++count;
        }
    }

    const Mask pawns = side.pawns & ~changed;
    const Mask lastRank = white ? Rank(7) : Rank(0);
    const Mask push = (white ? pawns << 8 : pawns >> 8) & empty;
    const Mask doubleStep = (white ? (push & Rank(2)) << 8 : (push & Rank(5)) >> 8) & empty;
    const Mask towardsA = (white ? (pawns & ~kFileA) << 7 : (pawns & ~kFileA) >> 9) & enemy;
    const Mask towardsH = (white ? (pawns & ~kFileH) << 9 : (pawns & ~kFileH) >> 7) & enemy;
    CountSum sum;
    sum.Add(push);
    sum.Add(doubleStep);
    sum.Add(towardsA);
    sum.Add(towardsH);
    count += sum.Total();
    if ((push | towardsA | towardsH) & lastRank) {
        // A promotion is four moves: three more for each.
        count += 3 * (bitboards::Count(push & lastRank) + bitboards::Count(towardsA & lastRank) +
                      bitboards::Count(towardsH & lastRank));
    }
    const PawnRanks ranks = PawnRanksOf(white);
    if (RankOf(position.m_lastFrom) == ranks.enemyStart && RankOf(position.m_lastTo) == ranks.passant &&
        board[position.m_lastTo] == (kPawn | (us ^ kBlack))) {
        const Mask beside = ((Bit(position.m_lastTo) << 1) & ~kFileA) | ((Bit(position.m_lastTo) >> 1) & ~kFileH);
        count += bitboards::Count(beside & pawns);
    }

    *kept = 0;
    if (!onTarget || !(enemy & targetBit)) return static_cast<int16_t>(count);
    attackers |= bitboards::kTables.pawnCapture[white ? 1 : 0][target] & pawns;
    const uint8_t capture = rights | kCaptureFlag;
    const bool promoting = lastRank & targetBit;
    const uint8_t to = static_cast<uint8_t>(target);
    Move* out = onTarget;
    for (; attackers; attackers &= attackers - 1) {
        const uint8_t from = static_cast<uint8_t>(Lowest(attackers));
        const uint8_t piece = board[from];
        if (promoting && KindOf(piece) == kPawn) {
            for (uint8_t kind : kPromotionKinds) *out++ = ListedMove(from, to, kind | us, capture | kPromotionFlag);
        } else {
            *out++ = ListedMove(from, to, piece, capture);
        }
    }
    *kept = static_cast<int16_t>(out - onTarget);
    return static_cast<int16_t>(count);
}
