#include "app/core/picture/boardpicture.h"

#include "app/core/picture/boardgeometry.h"
#include "app/core/picture/piecebitmaps.h"
#include "game/gamefacade.h"

namespace {

using Op = CPixelBuffer::RasterOp;
using Recipe = CBoardPicture::Recipe;
constexpr CBoardPicture::Source kMask = CBoardPicture::kMask;
constexpr CBoardPicture::Source kPieceImage = CBoardPicture::kPieceImage;

// How a square is composed on the white picture, by square colour, piece and
// pick. An empty square's mask is bitmap 0, which COPY then XOR turn black.
// A picked piece becomes a silhouette in the colour opposite to its square.
constexpr Recipe kRecipes[2][2][2] = {
    {   // light square
        {{0, {}}, {0, {}}},  // empty, picked or not: stays white
        {{2, {{kMask, Op::kAnd}, {kPieceImage, Op::kOr}}},
         {3, {{kMask, Op::kXor}, {kMask, Op::kAnd}, {kMask, Op::kOr}}}},
    },
    {   // dark square
        {{2, {{kMask, Op::kCopy}, {kMask, Op::kXor}}}, {2, {{kMask, Op::kCopy}, {kMask, Op::kXor}}}},
        {{3, {{kMask, Op::kXor}, {kMask, Op::kAnd}, {kPieceImage, Op::kOr}}},
         {1, {{kMask, Op::kXor}}}},
    },
};

}  // namespace

const CBoardPicture::Recipe& CBoardPicture::RecipeFor(bool dark, bool hasPiece, bool picked) {
    return kRecipes[dark][hasPiece][picked];
}

CBoardPicture::CBoardPicture(const CPieceBitmaps& bitmaps)
    : m_bitmaps(bitmaps), m_picture(CBoardGeometry::kPictureSize, CBoardGeometry::kPictureSize) {}

const CPixelBuffer& CBoardPicture::Build(const CGameFacade& facade, bool flipped,
                                         bool hasSelection, int selColumn, int selRow) {
    m_picture.Fill(CPixelBuffer::kWhite);
    ForEachSquare(facade, flipped, hasSelection, selColumn, selRow,
                  [this](int column, int row, int picture, int mask, const Recipe& recipe) {
                      DrawSquare(column, row, picture, mask, recipe);
                  });
    return m_picture;
}

void CBoardPicture::DrawSquare(int column, int row, int picture, int mask, const Recipe& recipe) {
    const int x = CBoardGeometry::SquareOrigin(column);
    const int y = CBoardGeometry::SquareOrigin(row);
    for (int i = 0; i < recipe.count; ++i) {
        const Step& step = recipe.steps[i];
        const CPixelBuffer& source = m_bitmaps.Bitmap(step.source == kMask ? mask : picture);
        m_picture.Blit(x, y, CBoardGeometry::kSquareSize, CBoardGeometry::kSquareSize, source, 0, 0,
                       step.op);
    }
}

void CBoardPicture::CursorBands(int column, int row, Band (&bands)[kCursorBands]) {
    static constexpr CPixelBuffer::Colour kFrames[] = {CPixelBuffer::kBlack, CPixelBuffer::kWhite};
    const int left = CBoardGeometry::SquareOrigin(column), top = CBoardGeometry::SquareOrigin(row);
    const int right = CBoardGeometry::SquareOrigin(column + 1), bottom = CBoardGeometry::SquareOrigin(row + 1);
    int next = 0;
    for (int frame = 0; frame < 2; ++frame) {
        const int inset = frame * kCursorBandWidth;
        const int x = left + inset, y = top + inset;
        const int width = right - left - 2 * inset, height = bottom - top - 2 * inset;
        const CPixelBuffer::Colour colour = kFrames[frame];
        bands[next++] = {x, y, width, kCursorBandWidth, colour};
        bands[next++] = {x, y + height - kCursorBandWidth, width, kCursorBandWidth, colour};
        bands[next++] = {x, y, kCursorBandWidth, height, colour};
        bands[next++] = {x + width - kCursorBandWidth, y, kCursorBandWidth, height, colour};
    }
}

void CBoardPicture::DrawCursor(int column, int row) {
    Band bands[kCursorBands];
    CursorBands(column, row, bands);
    for (const Band& band : bands)
        for (int y = band.y; y < band.y + band.height; ++y)
            for (int x = band.x; x < band.x + band.width; ++x) m_picture.SetPixel(x, y, band.colour);
}
