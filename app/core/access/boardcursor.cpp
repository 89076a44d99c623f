#include "app/core/access/boardcursor.h"

#include "app/core/picture/boardgeometry.h"
#include "game/gamefacade.h"

namespace {
// The king's pawns' squares: where a game's first move most often starts.
constexpr int kKingFile = 4;
constexpr int kWhitePawnRank = 1;
constexpr int kBlackPawnRank = 6;
}  // namespace

void CBoardCursor::Start(const CGameFacade& facade, bool flipped) {
    const CGame& game = *facade.GetGame();
    const CMoveGen& current = *game.Current();
    int rank = current.IsWhiteToMove() ? kWhitePawnRank : kBlackPawnRank, file = kKingFile;
    if (game.GetPly() > 0) {
        rank = chess::RankOf(current.m_lastTo);
        file = chess::FileOf(current.m_lastTo);
    }
    CBoardGeometry::BoardToScreen(rank, file, flipped, &m_column, &m_row);
    m_started = true;
}

bool CBoardCursor::Move(Direction direction) {
    int column = m_column, row = m_row;
    switch (direction) {
        case kUp: --row; break;
        case kDown: ++row; break;
        case kLeft: --column; break;
        case kRight: ++column; break;
    }
    if (column < 0 || row < 0 || column > CBoardGeometry::kLastIndex || row > CBoardGeometry::kLastIndex)
        return false;
    m_column = column;
    m_row = row;
    return true;
}

void CBoardCursor::Place(int column, int row) {
    m_column = column;
    m_row = row;
    m_started = true;
}

void CBoardCursor::Flip() {
    m_column = CBoardGeometry::kLastIndex - m_column;
    m_row = CBoardGeometry::kLastIndex - m_row;
}
