#include "app/core/picture/squarepicker.h"

#include "app/core/picture/boardgeometry.h"

CSquarePicker::Action CSquarePicker::OnClick(const Click& click) {
    FollowGame(click.gameNumber);
    if (click.notationShown) return kShowBoard;
    if (!click.leftOnly) return kNothing;
    if (click.gameOver) return kShowGameOver;

    int column = 0, row = 0;
    if (!CBoardGeometry::SquareAt(click.x, click.y, click.width, click.height, &column, &row))
        return kNothing;
    m_clickCol = column;
    m_clickRow = row;
    if (column == m_selCol && row == m_selRow) return kNothing;

    if (!m_hasSelection) {
        m_hasSelection = true;
        m_selCol = column;
        m_selRow = row;
        return kRepaint;
    }
    char* text = m_moveText;
    CBoardGeometry::SquareName(m_selCol, m_selRow, m_flipped, text);
    text += CBoardGeometry::kNameLength;
    CBoardGeometry::SquareName(column, row, m_flipped, text);
    text += CBoardGeometry::kNameLength;
    *text++ = kQueenLetter;
    *text = '\0';
    return kHandOver;
}

void CSquarePicker::Flip() {
    m_flipped = !m_flipped;
    Drop();
}

void CSquarePicker::FollowGame(long gameNumber) {
    if (gameNumber != m_gameNumber) Drop();
    m_gameNumber = gameNumber;
}

void CSquarePicker::Drop() {
    m_hasSelection = false;
    m_selCol = kNone;
    m_selRow = kNone;
}
