#include "rules/movegen.h"

#include <cstdio>
#include <cstring>

#include "rules/bitboards.h"
#include "rules/castling.h"
#include "rules/chess.h"
#include "rules/generation.h"
#include "rules/geometry.h"
#include "rules/replycounter.h"

using namespace chess;
using geometry::kTables;

namespace {

constexpr const char* kBadIndexText = "ierr";

inline bool IsEnemy(uint8_t code, uint8_t us) { return code != kEmpty && (code & kBlack) != us; }

}  // namespace

void CMoveGen::AddMove(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) {
    m_moves[m_count++] = ListedMove(from, to, piece, flags);
}

namespace {

// Appends moves to a list through a pointer of its own: a store through the
// list's bytes could alias the count, which would be read back every move.
struct Appender {
    Move* out;
    void Add(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) { *out++ = ListedMove(from, to, piece, flags); }
    // A promotion's four kinds, in the order of kPromotionKinds.
    void AddPromotions(uint8_t from, uint8_t to, uint8_t colour, uint8_t flags) {
        for (uint8_t kind : kPromotionKinds) Add(from, to, kind | colour, flags);
    }
};

// All moves of one pawn: en passant, the push (or its four promotions) and
// the double step, then the captures towards the a-file and the h-file.
inline void GeneratePawn(const CPosition& p, int sq, uint8_t piece, const PawnRanks& ranks, Appender& list) {
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
        if (side == -1 || side == 1) list.Add(from, static_cast<uint8_t>(ahead + side), piece, rights | kCaptureFlag);
    }

    if (board[ahead] == kEmpty) {
        if (rank == ranks.promotion) {
            list.AddPromotions(from, ahead, us, rights | kPromotionFlag);
        } else {
            list.Add(from, ahead, piece, rights);
            if (rank == ranks.doubleStep && board[ahead + ranks.forward] == kEmpty)
                list.Add(from, static_cast<uint8_t>(ahead + ranks.forward), piece, rights);
        }
    }

    for (int side = -1; side <= 1; side += 2) {
        if (file + side < 0 || file + side > 7) continue;
        const uint8_t to = static_cast<uint8_t>(ahead + side);
        if (!IsEnemy(board[to], us)) continue;
        if (rank == ranks.promotion) {
            list.AddPromotions(from, to, us, rights | kPromotionFlag | kCaptureFlag);
        } else {
            list.Add(from, to, piece, rights | kCaptureFlag);
        }
    }
}

}  // namespace

// The own pieces come from a square set in ascending order; a slider's
// reach in one direction is a set too, read off in the ray's own order.
void CMoveGen::Generate() {
    using namespace bitboards;
    const uint8_t* board = m_board;
    Mask occupied, black;
    Occupancy(board, &occupied, &black);
    const uint8_t us = SideToMove();
    const Mask own = us ? black : occupied & ~black;
    const Mask enemy = occupied & ~own;
    const PawnRanks pawnRanks = PawnRanksOf(us == 0);
    const uint8_t rights = CastlingRights();
    const uint8_t capture = rights | kCaptureFlag;
    Appender list{m_moves};

    for (Mask pieces = own; pieces; pieces &= pieces - 1) {
        const int sq = Lowest(pieces);
        const uint8_t piece = board[sq];
        const uint8_t from = static_cast<uint8_t>(sq);
        const uint8_t kind = KindOf(piece);

        if (kind & (kQueen | kBishop | kRook)) {
            const int first = kind == kRook ? geometry::kFirstStraight : 0;
            const int last = kind == kBishop ? geometry::kFirstStraight : geometry::kDirections;
            for (int d = first; d < last; ++d) {
                Mask reach = RayAttacks(sq, d, occupied) & ~own;
                const bool rising = kRisingDirection[d];
                while (reach) {
                    const int to = rising ? Lowest(reach) : Highest(reach);
                    reach ^= Bit(to);
                    list.Add(from, static_cast<uint8_t>(to), piece, (enemy & Bit(to)) ? capture : rights);
                }
            }
        } else if (kind == kKnight || kind == kKing) {
            const uint8_t* steps = kind == kKnight ? geometry::kTables.knight[sq] : geometry::kTables.king[sq];
            const int n = kind == kKnight ? geometry::kTables.knightCount[sq] : geometry::kTables.kingCount[sq];
            for (int i = 0; i < n; ++i) {
                const uint8_t target = board[steps[i]];
                if (target == kEmpty)
                    list.Add(from, steps[i], piece, rights);
                else if ((target & kBlack) != us)
                    list.Add(from, steps[i], piece, capture);
            }
            // After the king's steps, for a king on its castling square.
            if (kind == kKing)
                for (const Castling& c : kCastlings)
                    if (c.kingFrom == sq && CastlingOpen(c, board, rights)) list.Add(c.kingFrom, c.kingTo, piece, rights);
        } else if (kind == kPawn) {
            GeneratePawn(*this, sq, piece, pawnRanks, list);
        }
    }
    m_count = static_cast<int16_t>(list.out - m_moves);
}

int16_t CMoveGen::CountReplies(const CPosition& p, uint8_t target, Move* onTarget, int16_t* kept) {
    if (p.m_board[target] == kEmpty) {
        // Pushes, en passant and castling could land there too, and the
        // exchange search never asks: the list tells.
        CMoveGen listed;
        listed.CopyFrom(p);
        listed.Generate();
        *kept = 0;
        for (int i = 0; i < listed.m_count; ++i)
            if (listed.m_moves[i].to == target) onTarget[(*kept)++] = listed.m_moves[i];
        return listed.m_count;
    }
    const bool own = (p.m_board[target] & kBlack) == p.SideToMove();
    return CReplyCounter(p).Count(p, 0, own ? -1 : target, onTarget, kept);
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
    using namespace bitboards;
    const PieceSets sets = ReadPieceSets(m_board);
    const uint8_t us = SideToMove();
    const Mask king = sets.kings & sets.Side(us);
    return king && Attackers(sets, Lowest(king), us ^ kBlack, sets.occupied);
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

// A reply can capture the king only where an enemy piece attacks its
// square, so legality needs no replies: a king's step must land on a square
// no enemy attacks once the king has left its own; with the king in check
// any other move must take the single checker or step between it and the
// king; a piece pinned against the king stays on the pin's line. Castling
// and en passant move a second piece: they are played on a copy.
void CMoveGen::FilterLegal() {
    using namespace bitboards;
    const PieceSets sets = ReadPieceSets(m_board);
    const uint8_t us = SideToMove(), them = us ^ kBlack;
    const Mask kings = sets.kings & sets.Side(us);
    if (!kings) return;  // no king of ours, nothing can capture it
    const int king = Lowest(kings);
    const Mask enemy = sets.Side(them);
    const Mask checkers = Attackers(sets, king, them, sets.occupied);
    const bool inCheck = checkers != 0;
    // No castling out of check, nor across a square the king may not step onto.
    const uint8_t rights = CastlingRights();
    uint8_t castlingAllowed = inCheck ? 0 : rights;

    // Where a move other than the king's ends when it answers a check: on the
    // checker or between; against two checkers nowhere.
    Mask answers = ~Mask(0);
    if (inCheck)
        answers = (checkers & (checkers - 1)) ? 0 : checkers | bitboards::kTables.between[king][Lowest(checkers)];

    // Enemy sliders that would see the king through exactly one of our pieces pin it.
    Mask pinned = 0;
    const Mask snipers = (DiagonalAttacks(king, enemy) & sets.diagonal & enemy) |
                         (StraightAttacks(king, enemy) & sets.straight & enemy);
    for (Mask s = snipers; s; s &= s - 1) {
        const Mask between = bitboards::kTables.between[king][Lowest(s)] & sets.occupied;
        if (between && !(between & (between - 1))) pinned |= between;
    }
    const Mask kingless = sets.occupied & ~Bit(king);

    for (int i = 0; i < m_count; ++i) {
        Move& m = m_moves[i];
        bool illegal;
        if (m.from == king) {
            if (IsCastling(m_board[king], m.from, m.to)) {
                CPosition child;
                child.CopyFrom(*this);
                child.Apply(m);
                illegal = child.IsAttacked(m.to, them);
            } else {
                illegal = Attackers(sets, m.to, them, kingless) != 0;
            }
        } else if (IsEnPassant(m)) {
            CPosition child;
            child.CopyFrom(*this);
            child.Apply(m);
            illegal = child.IsAttacked(king, them);
        } else {
            illegal = !(answers & Bit(m.to)) ||
                      ((pinned & Bit(m.from)) && geometry::kTables.line[king][m.to] != geometry::kTables.line[king][m.from]);
        }
        if (!illegal) continue;
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
