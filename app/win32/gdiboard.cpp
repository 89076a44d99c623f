#include "app/win32/gdiboard.h"

#include "app/core/view/boardgeometry.h"
#include "app/core/picture/boardpicture.h"
#include "app/win32/kit/dibbitmap.h"
#include "rules/gamefacade.h"

namespace {

// The frame is drawn one pixel outside the picture, so only its white fill shows.
constexpr int kFrameFirst = -1;
constexpr int kFrameLast = CBoardGeometry::kPictureSize + 2;

DWORD RopOf(CPixelBuffer::RasterOp op) {
    switch (op) {
        case CPixelBuffer::kCopy:
            return SRCCOPY;
        case CPixelBuffer::kAnd:
            return SRCAND;
        case CPixelBuffer::kOr:
            return SRCPAINT;
        case CPixelBuffer::kXor:
            return SRCINVERT;
    }
    return SRCCOPY;
}

}  // namespace

CGdiBoard::CGdiBoard(const CPieceBitmaps& bitmaps) {
    m_boardDc = CreateCompatibleDC(nullptr);
    m_pieceDc = CreateCompatibleDC(nullptr);
    m_board = CDibBitmap::Create(CBoardGeometry::kPictureSize, CBoardGeometry::kPictureSize, &m_boardBits);
    m_oldBoard = SelectObject(m_boardDc, m_board);
    for (int i = 0; i < CPieceBitmaps::kCount; ++i) m_pieces[i] = CDibBitmap::FromPixels(bitmaps.Bitmap(i));
    m_oldPiece = SelectObject(m_pieceDc, m_pieces[0]);
}

CGdiBoard::~CGdiBoard() {
    SelectObject(m_pieceDc, m_oldPiece);
    SelectObject(m_boardDc, m_oldBoard);
    for (HBITMAP piece : m_pieces)
        if (piece) DeleteObject(piece);
    if (m_board) DeleteObject(m_board);
    DeleteDC(m_pieceDc);
    DeleteDC(m_boardDc);
}

void CGdiBoard::Build(const CGameFacade& facade, bool flipped, bool hasSelection, int selColumn, int selRow) {
    // The device context's own white brush and black pen.
    Rectangle(m_boardDc, kFrameFirst, kFrameFirst, kFrameLast, kFrameLast);
    CBoardPicture::ForEachSquare(
        facade, flipped, hasSelection, selColumn, selRow,
        [this](int column, int row, int picture, int mask, const CBoardPicture::Recipe& recipe) {
            for (int i = 0; i < recipe.count; ++i) {
                const CBoardPicture::Step& step = recipe.steps[i];
                SelectObject(m_pieceDc, m_pieces[step.source == CBoardPicture::kMask ? mask : picture]);
                BitBlt(m_boardDc, CBoardGeometry::SquareOrigin(column), CBoardGeometry::SquareOrigin(row),
                       CBoardGeometry::kSquareSize, CBoardGeometry::kSquareSize, m_pieceDc, 0, 0, RopOf(step.op));
            }
        });
}

CPixelBuffer CGdiBoard::Pixels() const {
    return CDibBitmap::Pixels(m_boardBits, CBoardGeometry::kPictureSize, CBoardGeometry::kPictureSize);
}
