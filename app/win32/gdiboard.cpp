#include "app/win32/gdiboard.h"

#include "app/core/picture/boardgeometry.h"
#include "app/core/picture/boardpicture.h"
#include "game/gamefacade.h"

CGdiBoard::CGdiBoard(const CPieceBitmaps& bitmaps)
    : m_canvas(CBoardGeometry::kPictureSize, CBoardGeometry::kPictureSize) {
    // Their numbers on the canvas are their indices.
    for (int i = 0; i < CPieceBitmaps::kCount; ++i) m_canvas.AddPicture(bitmaps.Bitmap(i));
}

void CGdiBoard::Build(const CGameFacade& facade, bool flipped, bool hasSelection, int selColumn, int selRow) {
    m_canvas.Clear();
    CBoardPicture::ForEachSquare(
        facade, flipped, hasSelection, selColumn, selRow,
        [this](int column, int row, int picture, int mask, const CBoardPicture::Recipe& recipe) {
            for (int i = 0; i < recipe.count; ++i) {
                const CBoardPicture::Step& step = recipe.steps[i];
                m_canvas.Blit(step.source == CBoardPicture::kMask ? mask : picture,
                              CBoardGeometry::SquareOrigin(column), CBoardGeometry::SquareOrigin(row),
                              CBoardGeometry::kSquareSize, CBoardGeometry::kSquareSize, step.op);
            }
        });
}

void CGdiBoard::DrawCursor(int column, int row) {
    CBoardPicture::Band bands[CBoardPicture::kCursorBands];
    CBoardPicture::CursorBands(column, row, bands);
    for (const CBoardPicture::Band& band : bands) m_canvas.Fill(band.x, band.y, band.width, band.height, band.colour);
}
