// The board as one 376 x 376 picture, put together square by square from the
// piece bitmaps with raster operations; the view stretches it over its window
// in one copy.
#pragma once

#include "app/core/pixelbuffer.h"

class CGameFacade;
class CPieceBitmaps;

class CBoardPicture {
public:
    // How one square is composed on the white picture: up to three blits
    // of the piece's mask or picture.
    enum Source { kMask, kPieceImage };
    struct Step {
        Source source;
        CPixelBuffer::RasterOp op;
    };
    static constexpr int kMaxSteps = 3;
    struct Recipe {
        int count;
        Step steps[kMaxSteps];
    };
    static constexpr int kEmptyPicture = -1;

    // The compositing table's row for a square, shared by every paint of the board.
    static const Recipe& RecipeFor(bool dark, bool hasPiece, bool picked);

    // The bitmaps are not owned and must outlive the picture.
    explicit CBoardPicture(const CPieceBitmaps& bitmaps);

    // Draws the facade's position; the picked square, if any, is a screen square.
    const CPixelBuffer& Build(const CGameFacade& facade, bool flipped, bool hasSelection,
                              int selColumn, int selRow);
    const CPixelBuffer& Picture() const { return m_picture; }

private:
    void DrawSquare(int column, int row, int picture, int mask, bool picked);

    const CPieceBitmaps& m_bitmaps;
    CPixelBuffer m_picture;
};
