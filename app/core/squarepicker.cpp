#include "app/core/squarepicker.h"

namespace {

constexpr int kLast = CSquarePicker::kBoardSide - 1;
// The queen letter makes a pawn on the last rank a queen; other moves ignore it.
constexpr char kPromotionLetter = 'D';

}  // namespace

bool CSquarePicker::ScreenSquare(int x, int y, int width, int height, int* col, int* row) {
    if (width <= 0 || height <= 0) return false;
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    *col = x * kBoardSide / width;
    *row = y * kBoardSide / height;
    return true;
}

int CSquarePicker::BoardSquare(int col, int row, bool flipped) {
    const int rank = flipped ? row : kLast - row;
    const int file = flipped ? kLast - col : col;
    return rank * kBoardSide + file;
}

void CSquarePicker::ScreenOf(int square, bool flipped, int* col, int* row) {
    const int rank = square / kBoardSide;
    const int file = square % kBoardSide;
    *row = flipped ? rank : kLast - rank;
    *col = flipped ? kLast - file : file;
}

CSquarePicker::Click CSquarePicker::OnClick(int col, int row, bool flipped, char moveText[kMoveTextSize]) {
    if (col == m_selCol && row == m_selRow) return Click::kSameSquare;
    if (m_hasSelection == 0) {
        m_selCol = col;
        m_selRow = row;
        m_hasSelection = 1;
        return Click::kPicked;
    }
    const int from = BoardSquare(m_selCol, m_selRow, flipped);
    const int to = BoardSquare(col, row, flipped);
    moveText[0] = static_cast<char>('a' + from % kBoardSide);
    moveText[1] = static_cast<char>('1' + from / kBoardSide);
    moveText[2] = static_cast<char>('a' + to % kBoardSide);
    moveText[3] = static_cast<char>('1' + to / kBoardSide);
    moveText[4] = kPromotionLetter;
    moveText[5] = '\0';
    Drop();
    return Click::kMove;
}

void CSquarePicker::Drop() {
    m_hasSelection = 0;
    m_selCol = kNone;
    m_selRow = kNone;
}
