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

namespace {

constexpr const char* kBadIndexText = "ierr";

}  // namespace

void CMoveGen::AddMove(uint8_t from, uint8_t to, uint8_t piece, uint8_t flags) {
    m_moves[m_count++] = ListedMove(from, to, piece, flags);
}

namespace {

// A move's code keeps the rights of the corner it lands on only if no rook
// is taken or leaves there.
struct LandingCodes {
    uint32_t code[kSquares];
};
constexpr LandingCodes MakeLandingCodes() {
    LandingCodes t{};
    for (int sq = 0; sq < kSquares; ++sq) t.code[sq] = 0x00FFFFFFu | uint32_t(kRightsKept.landing[sq]) << 24;
    return t;
}
constexpr LandingCodes kLanding = MakeLandingCodes();

// Appends one piece's moves to a list through a pointer of its own: a store
// through the list's bytes could alias the count, which would be read back
// every move. The rights a move keeps are the piece's, less those of a
// rook's corner it lands on.
struct Appender {
    Move* out;
    // The piece's move with no target yet: from-square, piece, and the
    // rights in force less those the piece gives up by leaving.
    uint32_t head;

    void Piece(uint8_t square, uint8_t code, uint8_t rights) {
        head = Move{square, 0, code, static_cast<uint8_t>(rights & kRightsKept.leaving[square])}.Code();
    }
    void Add(uint8_t to, uint8_t extra) {
        *out++ = Move::FromCode((head & kLanding.code[to]) | uint32_t(to) << 8 | uint32_t(extra) << 24);
    }
    void Add(uint8_t to, uint8_t code, uint8_t extra) {
        *out++ = Move::FromCode(((head & kLanding.code[to]) & 0xFF00FFFFu) | uint32_t(to) << 8 |
                                uint32_t(code) << 16 | uint32_t(extra) << 24);
    }
    // A promotion's four kinds, in the order of kPromotionKinds.
    void AddPromotions(uint8_t to, uint8_t colour, uint8_t extra) {
        for (uint8_t kind : kPromotionKinds) Add(to, kind | colour, extra | kPromotionFlag);
    }
};

}  // namespace

// The own pieces come from a square set in ascending order; a slider's
// reach is a set, split by direction and read off in each ray's order. The
// pawns' pushes and captures are looked up in sets made once for all.
void CMoveGen::Generate() {
    using namespace bitboards;
    const uint8_t* board = m_board;
    Mask occupied, black;
    Occupancy(board, &occupied, &black);
    const uint8_t us = SideToMove();
    const bool white = us == 0;
    const Mask own = white ? occupied & ~black : black;
    const Mask enemy = occupied & ~own, empty = ~occupied;
    const PawnRanks ranks = PawnRanksOf(white);
    const uint8_t rights = CastlingRights();
    // Right after an enemy pawn's double step, the pawns beside it may take it.
    const bool passant = RankOf(m_lastFrom) == ranks.enemyStart && RankOf(m_lastTo) == ranks.passant &&
                         board[m_lastTo] == (kPawn | (us ^ kBlack));
    Appender list{m_moves, 0};

    for (Mask pieces = own; pieces; pieces &= pieces - 1) {
        const int sq = Lowest(pieces);
        const uint8_t piece = board[sq];
        const uint8_t kind = KindOf(piece);
        list.Piece(static_cast<uint8_t>(sq), piece, rights);

        if (kind & (kQueen | kBishop | kRook)) {
            const Mask reach = ((kind & kRook) ? 0 : DiagonalAttacks(sq, occupied)) |
                               ((kind & kBishop) ? 0 : StraightAttacks(sq, occupied));
            const Mask moves = reach & ~own;
            if (!moves) continue;
            const int first = kind == kRook ? geometry::kFirstStraight : 0;
            const int last = kind == kBishop ? geometry::kFirstStraight : geometry::kDirections;
            for (int d = first; d < last; ++d) {
                Mask ray = moves & bitboards::kTables.ray[sq][d];
                const bool rising = kRisingDirection[d];
                while (ray) {
                    const int to = rising ? Lowest(ray) : Highest(ray);
                    ray ^= Bit(to);
                    list.Add(static_cast<uint8_t>(to), (enemy & Bit(to)) ? kCaptureFlag : 0);
                }
            }
        } else if (kind == kKnight || kind == kKing) {
            const uint8_t* steps = kind == kKnight ? geometry::kTables.knight[sq] : geometry::kTables.king[sq];
            const int n = kind == kKnight ? geometry::kTables.knightCount[sq] : geometry::kTables.kingCount[sq];
            for (int i = 0; i < n; ++i) {
                const Mask to = Bit(steps[i]);
                if (empty & to)
                    list.Add(steps[i], 0);
                else if (enemy & to)
                    list.Add(steps[i], kCaptureFlag);
            }
            // After the king's steps, for a king on its castling square.
            if (kind == kKing && rights)
                for (const Castling& c : kCastlings)
                    if (c.kingFrom == sq && CastlingOpen(c, board, rights)) list.Add(c.kingTo, 0);
        } else if (kind == kPawn) {
            // En passant, the push (or its four promotions) and the double
            // step, then the captures towards the a-file and the h-file.
            const int file = FileOf(sq), rank = RankOf(sq);
            const uint8_t ahead = static_cast<uint8_t>(sq + ranks.forward);
            if (passant && rank == ranks.passant) {
                const int side = FileOf(m_lastTo) - file;
                if (side == -1 || side == 1) list.Add(static_cast<uint8_t>(ahead + side), kCaptureFlag);
            }
            const bool promotes = rank == ranks.promotion;
            if (empty & Bit(ahead)) {
                if (promotes) {
                    list.AddPromotions(ahead, us, 0);
                } else {
                    list.Add(ahead, 0);
                    const uint8_t twoAhead = static_cast<uint8_t>(ahead + ranks.forward);
                    if (rank == ranks.doubleStep && (empty & Bit(twoAhead))) list.Add(twoAhead, 0);
                }
            }
            if (file > 0 && (enemy & Bit(ahead - 1))) {
                if (promotes)
                    list.AddPromotions(static_cast<uint8_t>(ahead - 1), us, kCaptureFlag);
                else
                    list.Add(static_cast<uint8_t>(ahead - 1), kCaptureFlag);
            }
            if (file < 7 && (enemy & Bit(ahead + 1))) {
                if (promotes)
                    list.AddPromotions(static_cast<uint8_t>(ahead + 1), us, kCaptureFlag);
                else
                    list.Add(static_cast<uint8_t>(ahead + 1), kCaptureFlag);
            }
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
// and en passant move a second piece: they are played on a copy. Moves of
// the other pieces need no look when the king is not in check.
void CMoveGen::FilterLegal() {
    using namespace bitboards;
    const PieceSets sets = ReadPieceSets(m_board);
    const uint8_t us = SideToMove(), them = us ^ kBlack;
    const Mask kings = sets.kings & sets.Side(us);
    if (!kings) return;  // no king of ours, nothing can capture it
    const int king = Lowest(kings);
    const Mask enemy = sets.Side(them);

    // Enemy sliders that see the king through nothing are checkers; through
    // exactly one piece, ours by construction, they pin it.
    Mask checkers = enemy & ((bitboards::kTables.pawnCapture[us ? 1 : 0][king] & sets.pawns) |
                             (bitboards::kTables.knight[king] & sets.knights) |
                             (bitboards::kTables.king[king] & sets.kings));
    Mask pinned = 0;
    const Mask snipers = (DiagonalAttacks(king, enemy) & sets.diagonal & enemy) |
                         (StraightAttacks(king, enemy) & sets.straight & enemy);
    for (Mask s = snipers; s; s &= s - 1) {
        const Mask between = bitboards::kTables.between[king][Lowest(s)] & sets.occupied;
        if (!between)
            checkers |= s & -s;
        else if (!(between & (between - 1)))
            pinned |= between;
    }
    const bool inCheck = checkers != 0;
    // No castling out of check, nor across a square the king may not step onto.
    const uint8_t rights = CastlingRights();
    uint8_t castlingAllowed = inCheck ? 0 : rights;

    // Where a move other than the king's ends when it answers a check: on the
    // checker or between; against two checkers nowhere.
    Mask answers = ~Mask(0);
    if (inCheck)
        answers = (checkers & (checkers - 1)) ? 0 : checkers | bitboards::kTables.between[king][Lowest(checkers)];

    // The pieces whose moves need a look: the king, pinned pieces, pawns
    // that may take en passant, and in check all.
    Mask looked = inCheck ? ~Mask(0) : Bit(king) | pinned;
    const uint8_t lastTo = m_lastTo;
    if (KindOf(m_board[lastTo]) == kPawn) {
        const Mask beside = ((Bit(lastTo) << 1) & ~kFileA) | ((Bit(lastTo) >> 1) & ~kFileH);
        looked |= beside & sets.pawns;
    }
    const Mask kingless = sets.occupied & ~Bit(king);

    int marked = 0;
    for (int i = 0; i < m_count; ++i) {
        Move& m = m_moves[i];
        if (!(looked & Bit(m.from))) continue;
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
        ++marked;
    }

    // After every move was tried, so that the order of the king's steps does not matter.
    if (castlingAllowed != rights) {
        for (int i = 0; i < m_count; ++i) {
            Move& m = m_moves[i];
            if (m.from != king || m.to == kNoSquare) continue;
            for (const Castling& c : kCastlings)
                if (m.from == c.kingFrom && m.to == c.kingTo && m.piece == c.king && !(castlingAllowed & c.right)) {
                    m.to = kNoSquare;
                    ++marked;
                }
        }
    }

    for (int i = 0; marked > 0 && i < m_count;) {
        if (m_moves[i].to == kNoSquare) {
            RemoveMove(i);
            --marked;
        } else {
            ++i;
        }
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
