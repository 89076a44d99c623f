// The board as one 376 x 376 picture, put together square by square from the
// piece bitmaps with raster operations; the view stretches it over its window
// in one copy.
#pragma once

#include "app/core/picture/boardgeometry.h"
#include "app/core/picture/piecebitmaps.h"
#include "app/core/picture/pixelbuffer.h"
#include "game/gamefacade.h"

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
    static constexpr int kEmptyPicture = CPieceBitmaps::kEmptyPicture;

    // The compositing table's row for a square, shared by every paint of the board.
    static const Recipe& RecipeFor(bool dark, bool hasPiece, bool picked);
    // Calls draw(column, row, picture, mask, recipe) for every screen square
    // of the facade's position, as each paint of the board composes it.
    template <typename Draw>
    static void ForEachSquare(const CGameFacade& facade, bool flipped, bool hasSelection, int selColumn, int selRow,
                              Draw draw);

    // The bitmaps are not owned and must outlive the picture.
    explicit CBoardPicture(const CPieceBitmaps& bitmaps);

    // Draws the facade's position; the picked square, if any, is a screen square.
    const CPixelBuffer& Build(const CGameFacade& facade, bool flipped, bool hasSelection,
                              int selColumn, int selRow);

    // The keyboard's cursor: a frame inside its square, a black band outside
    // a white one, so that it shows on light and dark squares and pieces.
    struct Band {
        int x, y, width, height;
        CPixelBuffer::Colour colour;
    };
    static constexpr int kCursorBandWidth = 2;
    static constexpr int kCursorBands = 8;  // four sides of two frames
    static void CursorBands(int column, int row, Band (&bands)[kCursorBands]);
    // Draws the cursor's frame over the picture as built.
    void DrawCursor(int column, int row);
    const CPixelBuffer& Picture() const { return m_picture; }

private:
    void DrawSquare(int column, int row, int picture, int mask, const Recipe& recipe);

    const CPieceBitmaps& m_bitmaps;
    CPixelBuffer m_picture;
};

template <typename Draw>
void CBoardPicture::ForEachSquare(const CGameFacade& facade, bool flipped, bool hasSelection, int selColumn,
                                  int selRow, Draw draw) {
    for (int row = 0; row < CBoardGeometry::kSquares; ++row) {
        for (int column = 0; column < CBoardGeometry::kSquares; ++column) {
            int rank = 0, file = 0, picture = kEmptyPicture, mask = 0;
            CBoardGeometry::ScreenToBoard(column, row, flipped, &rank, &file);
            CPieceBitmaps::PieceImage(facade.PieceAt(rank, file), &picture, &mask);
            const bool picked = hasSelection && column == selColumn && row == selRow;
            draw(column, row, picture, mask,
                 RecipeFor(!CBoardGeometry::IsLight(column, row), picture != kEmptyPicture, picked));
        }
    }
}
