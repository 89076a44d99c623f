#include "app/core/picture/boardgeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string NameOf(int column, int row, bool flipped) {
    char name[CBoardGeometry::kNameLength];
    CBoardGeometry::SquareName(column, row, flipped, name);
    return std::string(name, CBoardGeometry::kNameLength);
}

}  // namespace

TEST(BoardGeometryTest, CornersAndCentreInBothOrientations) {
    const struct {
        int column, row;
        bool flipped;
        const char* square;
    } cases[] = {
        {0, 0, false, "a8"}, {7, 0, false, "h8"}, {0, 7, false, "a1"}, {7, 7, false, "h1"},
        {4, 6, false, "e2"}, {4, 4, false, "e4"},
        {0, 0, true, "h1"}, {7, 0, true, "a1"}, {0, 7, true, "h8"}, {7, 7, true, "a8"},
        {3, 1, true, "e2"}, {0, 1, true, "h2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameOf(c.column, c.row, c.flipped), c.square) << c.column << "," << c.row;
}

TEST(BoardGeometryTest, ScreenAndBoardSquaresMapBackAndForth) {
    for (bool flipped : {false, true}) {
        bool seen[64] = {};
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                int rank = -1, file = -1, backColumn = -1, backRow = -1;
                CBoardGeometry::ScreenToBoard(column, row, flipped, &rank, &file);
                ASSERT_TRUE(rank >= 0 && rank < 8 && file >= 0 && file < 8);
                seen[rank * 8 + file] = true;
                CBoardGeometry::BoardToScreen(rank, file, flipped, &backColumn, &backRow);
                EXPECT_EQ(backColumn, column);
                EXPECT_EQ(backRow, row);
                // Square colours are the true ones: a1 (rank + file even) is dark.
                EXPECT_EQ(CBoardGeometry::IsLight(column, row), (rank + file) % 2 == 1);
            }
        }
        for (bool s : seen) EXPECT_TRUE(s);
    }
}

TEST(BoardGeometryTest, SquaresAre47PixelsInThePicture) {
    for (int i = 0; i <= 8; ++i) EXPECT_EQ(CBoardGeometry::SquareOrigin(i), 47 * i);
}

TEST(BoardGeometryTest, PointsPickTheSquareTheyFallOn) {
    const struct {
        int x, y, width, height;
        int column, row;
    } cases[] = {
        {0, 0, 376, 376, 0, 0},
        {46, 47, 376, 376, 0, 1},
        {47, 46, 376, 376, 1, 0},
        {375, 375, 376, 376, 7, 7},
        // A window twice as wide as high: oblong squares.
        {93, 0, 752, 376, 0, 0},
        {94, 375, 752, 376, 1, 7},
        {751, 188, 752, 376, 7, 4},
        // A tiny window still gives squares, truncated toward zero.
        {0, 2, 3, 3, 0, 5},
        // Large windows do not overflow.
        {INT_MAX - 1, INT_MAX / 2, INT_MAX, INT_MAX, 7, 3},
    };
    for (const auto& c : cases) {
        int column = -1, row = -1;
        ASSERT_TRUE(CBoardGeometry::SquareAt(c.x, c.y, c.width, c.height, &column, &row))
            << c.x << "," << c.y;
        EXPECT_EQ(column, c.column) << c.x << "," << c.y << " in " << c.width << "x" << c.height;
        EXPECT_EQ(row, c.row) << c.x << "," << c.y << " in " << c.width << "x" << c.height;
    }
}

TEST(BoardGeometryTest, PointsOutsideOrAnEmptyWindowPickNothing) {
    const struct {
        int x, y, width, height;
    } cases[] = {
        {-1, 10, 376, 376}, {10, -1, 376, 376}, {376, 10, 376, 376}, {10, 376, 376, 376},
        {-30, -40, 376, 376}, {0, 0, 0, 376}, {0, 0, 376, 0}, {0, 0, -5, -5},
    };
    for (const auto& c : cases) {
        int column = 99, row = 99;
        EXPECT_FALSE(CBoardGeometry::SquareAt(c.x, c.y, c.width, c.height, &column, &row))
            << c.x << "," << c.y << " in " << c.width << "x" << c.height;
        EXPECT_EQ(column, 99);
        EXPECT_EQ(row, 99);
    }
}

// A cell's rectangle, as a screen reader is told where it lies, is exactly
// the square a click in it picks: every point of the window lies in the
// rectangle of the square it picks, also where a tiny window leaves squares
// empty and where the window is oblong.
TEST(BoardGeometryTest, SquareRectanglesAreTheSquaresClicksPick) {
    const struct {
        int width, height;
    } sizes[] = {{3, 5}, {8, 8}, {376, 376}, {377, 383}, {752, 376}, {601, 1001}, {1, 9}};
    for (const auto& size : sizes) {
        EXPECT_EQ(CBoardGeometry::SquareEdge(0, size.width), 0);
        EXPECT_EQ(CBoardGeometry::SquareEdge(CBoardGeometry::kSquares, size.width), size.width);
        long long covered = 0;
        for (int row = 0; row < CBoardGeometry::kSquares; ++row) {
            for (int column = 0; column < CBoardGeometry::kSquares; ++column) {
                const CBoardGeometry::Rect rect = CBoardGeometry::SquareRect(column, row, size.width, size.height);
                covered += static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
                for (int y = rect.top; y < rect.bottom; ++y) {
                    for (int x = rect.left; x < rect.right; ++x) {
                        int pickedColumn = -1, pickedRow = -1;
                        ASSERT_TRUE(CBoardGeometry::SquareAt(x, y, size.width, size.height, &pickedColumn, &pickedRow));
                        ASSERT_EQ(pickedColumn, column) << x << "," << y << " in " << size.width << "x" << size.height;
                        ASSERT_EQ(pickedRow, row) << x << "," << y << " in " << size.width << "x" << size.height;
                    }
                }
            }
        }
        // The rectangles do not overlap (each point picks one square), so
        // together they cover the window when their areas add up to it.
        EXPECT_EQ(covered, static_cast<long long>(size.width) * size.height) << size.width << "x" << size.height;
    }
}
