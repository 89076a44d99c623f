#include "app/win32/gdinotation.h"

#include <gtest/gtest.h>

#include "app/core/view/notationlayout.h"
#include "win32/kit/inksurface.h"
#include "win32/testgame.h"

namespace {

constexpr int kSurfaceWidth = 900;
constexpr int kSurfaceHeight = 700;
// Seven tags and the two move lines of twenty half-moves.
constexpr int kLines = 9;

}  // namespace

// The longest line (twelve half-moves) fills the width: the font is the
// largest whose lines fit, so one point more would overflow; at about
// twelve points a point is an eighth of the width, and the line ends in a
// blank.
TEST(GdiNotation, LongestLineFillsTheWidthAndNothingGoesBeyond) {
    for (int width : {400, 600}) {
        SCOPED_TRACE(width);
        CTestGame game(CTestGame::kMostHalfMoves);
        CInkSurface surface(kSurfaceWidth, kSurfaceHeight);
        const CNotationLayout::Extent extent = CGdiNotation::Draw(surface.Dc(), game, width);
        const CInkSurface::Box ink = surface.InkBox();
        ASSERT_FALSE(ink.Empty());
        EXPECT_GE(ink.left, CNotationLayout::kLeft);
        EXPECT_GE(ink.top, CNotationLayout::kTop);
        EXPECT_LT(ink.right, width);
        EXPECT_GT(ink.right, width * 80 / 100);
        EXPECT_LE(extent.width, width);
        EXPECT_GT(extent.width, ink.right);
        EXPECT_GT(extent.height, ink.bottom);
    }
}

// Each line of the record where the layout puts it: nine lines with gaps
// between them, the tags evenly spaced, the gap after the tags 12 larger.
TEST(GdiNotation, LinesStandApartWithTheGapAfterTheTags) {
    CTestGame game(CTestGame::kMostHalfMoves);
    CInkSurface surface(kSurfaceWidth, kSurfaceHeight);
    CGdiNotation::Draw(surface.Dc(), game, 600);
    const auto rows = surface.InkRows();
    ASSERT_EQ(rows.size(), static_cast<size_t>(kLines));
    const int tagStep = rows[1].first - rows[0].first;
    for (int i = 1; i < 7; ++i) EXPECT_EQ(rows[i].first - rows[i - 1].first, tagStep) << i;
    // The move lines start with digits, the tags with a bracket: their tops
    // differ by a pixel or two.
    EXPECT_NEAR(rows[7].first - rows[6].first, tagStep + CNotationLayout::kTagGap, 3);
    EXPECT_NEAR(rows[8].first - rows[7].first, tagStep, 3);
}

// A narrower width takes a smaller font, so less height.
TEST(GdiNotation, NarrowerWidthTakesASmallerFont) {
    CTestGame game(CTestGame::kMostHalfMoves);
    CInkSurface wide(kSurfaceWidth, kSurfaceHeight), narrow(kSurfaceWidth, kSurfaceHeight);
    const CNotationLayout::Extent wideExtent = CGdiNotation::Draw(wide.Dc(), game, 600);
    const CNotationLayout::Extent narrowExtent = CGdiNotation::Draw(narrow.Dc(), game, 400);
    EXPECT_LT(narrowExtent.height, wideExtent.height);
    const auto wideRows = wide.InkRows(), narrowRows = narrow.InkRows();
    ASSERT_FALSE(wideRows.empty());
    ASSERT_FALSE(narrowRows.empty());
    EXPECT_LT(narrowRows[0].second - narrowRows[0].first, wideRows[0].second - wideRows[0].first);
}

// So wide that every game is drawn at the largest size: the extents then
// differ by the lines alone. Six half-moves and none both take one move
// line; twenty take two.
TEST(GdiNotation, LongerGameTakesMoreHeight) {
    constexpr int kWide = 1400;
    int heights[3] = {};
    const int halfMoves[3] = {0, 6, CTestGame::kMostHalfMoves};
    for (int i = 0; i < 3; ++i) {
        CTestGame game(halfMoves[i]);
        CInkSurface surface(kWide, kSurfaceHeight);
        heights[i] = CGdiNotation::Draw(surface.Dc(), game, kWide).height;
        const CInkSurface::Box ink = surface.InkBox();
        EXPECT_LT(ink.right, kWide * 80 / 100) << "not at the largest size with " << halfMoves[i];
        EXPECT_GT(heights[i], ink.bottom);
    }
    EXPECT_EQ(heights[0], heights[1]);
    EXPECT_GT(heights[2], heights[1]);
}

// Drawn from an origin, the text moves with it and keeps its size.
TEST(GdiNotation, OriginMovesTheText) {
    CTestGame game(4);
    CInkSurface atCorner(kSurfaceWidth, kSurfaceHeight), moved(kSurfaceWidth, kSurfaceHeight);
    CGdiNotation::Draw(atCorner.Dc(), game, 500);
    CGdiNotation::Draw(moved.Dc(), game, 100, 50, 500);
    const CInkSurface::Box a = atCorner.InkBox(), b = moved.InkBox();
    EXPECT_EQ(b.left, a.left + 100);
    EXPECT_EQ(b.top, a.top + 50);
    EXPECT_EQ(b.right, a.right + 100);
    EXPECT_EQ(b.bottom, a.bottom + 50);
}
