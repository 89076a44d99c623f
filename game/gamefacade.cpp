#include "game/gamefacade.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "notation/gametags.h"
#include "notation/moveparser.h"
#include "rules/chess.h"
#include "rules/utf8text.h"

namespace {

constexpr const char* kResultTagName = "Result";

constexpr int kLastIndex = 7;  // of a rank or a file

// Only ASCII letters and digits count; bytes of UTF-8 characters do not.
bool HasLetterOrDigit(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        const char c = *p;
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    }
    return false;
}

}  // namespace

CGameFacade::CGameFacade() : m_text(), m_game(new CGame), m_tags(new CGameTags) {}

CGameFacade::CGameFacade(const CPosition& start, int fiftyCount)
    : m_text(), m_game(new CGame(start, fiftyCount)), m_tags(new CGameTags) {}

CGameFacade::~CGameFacade() {
    delete m_game;
    delete m_tags;
}

const char* CGameFacade::EnterMove(const char* move) {
    m_text[0] = '\0';
    const CMoveGen* current = m_game->Current();
    if (current->m_count == 0) return current->ResultText(m_text);
    if (move == nullptr || !HasLetterOrDigit(move)) return kBadFormatText;

    const int16_t index = ParseMove(*current, move);
    if (index < 0) {
        FormatInvalidMove(move);
        return m_text;
    }
    if (m_game->MakeMove(index) == nullptr) return kHistoryFullText;
    return m_text;
}

// A typed text may be longer than the answer buffer; it is cut, but never
// inside a character, so the answer stays valid UTF-8.
void CGameFacade::FormatInvalidMove(const char* move) {
    const int written = std::snprintf(m_text, kTextSize, kInvalidMoveFormat, move);
    if (written >= kTextSize) m_text[utf8text::BytesOfWholeChars(m_text)] = '\0';
}

int CGameFacade::GameOver(char* out) const {
    if (m_game->DrawCheck(out) == 1) return 1;
    const CMoveGen* current = m_game->Current();
    if (current->m_count == 0) {
        current->ResultText(out);
        return 1;
    }
    out[0] = '\0';
    return 0;
}

const char* CGameFacade::StatusText() {
    if (GameOver(m_text) == 1) return m_text;
    const CMoveGen* current = m_game->Current();
    if (current->InCheck()) return kCheckText;
    return current->IsWhiteToMove() ? kWhiteTurnText : kBlackTurnText;
}

int CGameFacade::LegalMoveCount() const {
    return m_game->Current()->m_count;
}

const char* CGameFacade::LegalMoveText(int index) {
    // An index beyond the 16-bit range must not wrap onto a real move.
    const int16_t shortIndex = (index < 0 || index > INT16_MAX) ? -1 : static_cast<int16_t>(index);
    return m_game->Current()->CoordText(shortIndex, m_text);
}

CGameTags* CGameFacade::UpdateResultTag() {
    char result[CGame::kTextSize];
    m_tags->Set(kResultTagName, m_game->Result(result));
    return m_tags;
}

uint8_t CGameFacade::PieceAt(int rank, int file) const {
    if (rank < 0 || rank > kLastIndex || file < 0 || file > kLastIndex) return chess::kEmpty;
    return m_game->Current()->m_board[chess::SquareOf(file, rank)];
}
