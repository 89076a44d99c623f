#include "app/win32/gdisurface.h"

#include "app/core/picture/boardgeometry.h"
#include "app/core/access/boardcursor.h"
#include "app/core/picture/squarepicker.h"
#include "app/win32/gdiboard.h"

CGdiSurface::CGdiSurface(HDC dc, const RECT& client, CGdiBoard* board, int scrollY, int dpi)
    : m_dc(dc), m_client(client), m_board(board), m_text(dc, 0, -scrollY, dpi) {}

bool CGdiSurface::DrawBoard(const CGameFacade& facade, const CSquarePicker& picker, const CBoardCursor& cursor) {
    if (!m_board) return false;
    m_board->Build(facade, picker.IsFlipped(), picker.HasSelection(), picker.SelColumn(), picker.SelRow());
    if (cursor.Shown()) m_board->DrawCursor(cursor.Column(), cursor.Row());
    SetStretchBltMode(m_dc, COLORONCOLOR);
    StretchBlt(m_dc, 0, 0, m_client.right, m_client.bottom, m_board->Dc(), 0, 0, CBoardGeometry::kPictureSize,
               CBoardGeometry::kPictureSize, SRCCOPY);
    return true;
}
