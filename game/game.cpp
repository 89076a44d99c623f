#include "game/game.h"

#include <cstdio>
#include <cstring>

#include "notation/santext.h"
#include "rules/chess.h"

namespace {

// The game is called a draw a few plies before the history is full.
constexpr int kTooManyMovesPly = 5599;
// Counted only for positions reached by a move, so the start's first
// occurrence is missing: four entries are a real repetition.
constexpr int kRepetitionDrawCount = 4;
// Deliberately 102, not 100: the draw comes one full move after the rule's hundred plies.
constexpr int kFiftyMoveDrawCount = 102;
// Capture (0x10) or promotion (0x80) bits of a move's flags.
constexpr uint8_t kIrreversibleFlags = 0xF0;

const char kEmptyText[] = "";

}  // namespace

CGame::CGame() : m_ply(0), m_positions(), m_fiftyCount(0) {
    CMoveGen* start = new CMoveGen;
    start->SetupInitial();
    start->Generate();
    start->FilterLegal();
    m_positions[0] = start;
}

CGame::CGame(const CPosition& start, int fiftyCount)
    : m_ply(0), m_positions(), m_fiftyCount(fiftyCount) {
    CMoveGen* first = new CMoveGen;
    first->CopyFrom(start);
    first->Generate();
    first->FilterLegal();
    m_positions[0] = first;
}

CGame::~CGame() {
    // Positions exist up to the current ply only.
    for (int ply = 0; ply <= m_ply; ++ply) delete m_positions[ply];
    m_repetitions.clear();
}

CMoveGen* CGame::Position(int ply) const {
    if (ply < 0 || ply > m_ply) return nullptr;
    return m_positions[ply];
}

CMoveGen* CGame::MakeMove(int16_t index) {
    if (!HasRoom()) return nullptr;
    const CMoveGen* parent = m_positions[m_ply];
    const Move move = parent->m_moves[index];

    CMoveGen* child = new CMoveGen;
    child->CopyApplyGenerate(*parent, move);
    child->FilterLegal();
    m_positions[++m_ply] = child;

    char text[CPosition::kTextSize];
    Increment(child->ToText(text));

    ++m_fiftyCount;
    if ((move.flags & kIrreversibleFlags) != 0 || chess::KindOf(move.piece) == chess::kPawn)
        m_fiftyCount = 0;
    return child;
}

const char* CGame::MoveText(int ply, char* out) const {
    if (ply == 0) return kEmptyText;
    if (ply < 0 || ply > m_ply) return nullptr;
    const CMoveGen* after = m_positions[ply];
    char san[kTextSize];
    SanText(*after, san, *m_positions[ply - 1]);
    // Black to move afterwards means White moved: that move carries the number.
    int numberLength = 0;
    if (!after->IsWhiteToMove())
        numberLength = std::snprintf(out, kTextSize, "%d.", after->FullMoveNumber());
    std::snprintf(out + numberLength, kTextSize - numberLength, "%s", san);
    return out;
}

int CGame::DrawCheck(char* out) const {
    out[0] = '\0';
    char text[CPosition::kTextSize];
    Current()->ToText(text);

    const char* draw = nullptr;
    if (m_ply >= kTooManyMovesPly)
        draw = kTooManyMovesText;
    else if (RepetitionCount(text) >= kRepetitionDrawCount)
        draw = kRepetitionText;
    else if (InsufficientMaterial(text))
        draw = kInsufficientText;
    else if (m_fiftyCount >= kFiftyMoveDrawCount)
        draw = kFiftyMoveText;
    if (draw == nullptr) return 0;
    std::snprintf(out, kTextSize, "%s", draw);
    return 1;
}

char* CGame::ResultLong(char* out) const {
    // Drawing rules come first: a mate that also completes one is a draw.
    if (DrawCheck(out) == 1) return out;
    if (Current()->m_count > 0) {
        std::snprintf(out, kTextSize, "%s", kUnfinishedText);
        return out;
    }
    return Current()->ResultText(out);
}

char* CGame::Result(char* out) const {
    ResultLong(out);
    if (char* blank = std::strchr(out, ' ')) *blank = '\0';
    return out;
}

int CGame::RepetitionCount(const char* positionText) const {
    auto found = m_repetitions.find(RepetitionKey(positionText));
    return found == m_repetitions.end() ? 0 : found->second;
}

void CGame::Increment(const char* positionText) {
    ++m_repetitions[RepetitionKey(positionText)];
}

// Board and side to move only: castling rights, en passant and the move
// number do not make a position different.
std::string CGame::RepetitionKey(const char* positionText) {
    const char* boardEnd = std::strchr(positionText, ' ');
    if (boardEnd == nullptr) return positionText;
    const char* side = boardEnd + 1;
    const char* sideEnd = std::strchr(side, ' ');
    if (sideEnd == nullptr) return positionText;
    return std::string(positionText, sideEnd);
}

// Counts the letters of the board part: any pawn, queen or rook is enough
// to mate; otherwise each side needs a second minor piece.
bool CGame::InsufficientMaterial(const char* positionText) {
    using namespace chess;
    int whiteMinors = 0;
    int blackMinors = 0;
    for (const char* p = positionText; *p != '\0' && *p != ' '; ++p) {
        const uint8_t code = FenLetterCode(*p);
        if (KindOf(code) & (kPawn | kQueen | kRook)) return false;
        if (KindOf(code) & (kBishop | kKnight)) ++(IsBlackPiece(code) ? blackMinors : whiteMinors);
    }
    return whiteMinors <= 1 && blackMinors <= 1;
}
