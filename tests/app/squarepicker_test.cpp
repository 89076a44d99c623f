#include "app/core/squarepicker.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kA1 = 0;
constexpr int kH1 = 7;
constexpr int kE2 = 12;
constexpr int kA8 = 56;
constexpr int kH8 = 63;

std::string Move(CSquarePicker& picker, int col1, int row1, int col2, int row2, bool flipped) {
    char text[CSquarePicker::kMoveTextSize] = "";
    EXPECT_EQ(picker.OnClick(col1, row1, flipped, text), CSquarePicker::Click::kPicked);
    EXPECT_EQ(picker.OnClick(col2, row2, flipped, text), CSquarePicker::Click::kMove);
    return text;
}

}  // namespace

TEST(SquarePickerTest, CornersMapBothWaysInBothOrientations) {
    struct Case {
        int col, row;
        bool flipped;
        int square;
    };
    const Case cases[] = {
        {0, 0, false, kA8}, {7, 7, false, kH1}, {0, 7, false, kA1}, {7, 0, false, kH8}, {4, 6, false, kE2},
        {0, 0, true, kH1},  {7, 7, true, kA8},  {7, 0, true, kA1},  {0, 7, true, kH8},  {3, 1, true, kE2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSquarePicker::BoardSquare(c.col, c.row, c.flipped), c.square) << c.col << "," << c.row;
        int col = -1, row = -1;
        CSquarePicker::ScreenOf(c.square, c.flipped, &col, &row);
        EXPECT_EQ(col, c.col);
        EXPECT_EQ(row, c.row);
    }
}

TEST(SquarePickerTest, EverySquareRoundTrips) {
    for (int flipped = 0; flipped < 2; ++flipped)
        for (int square = 0; square < 64; ++square) {
            int col, row;
            CSquarePicker::ScreenOf(square, flipped != 0, &col, &row);
            EXPECT_EQ(CSquarePicker::BoardSquare(col, row, flipped != 0), square);
        }
}

TEST(SquarePickerTest, PointsMapToSquaresOfAnyClientArea) {
    struct Case {
        int x, y, width, height;
        bool inside;
        int col, row;
    };
    const Case cases[] = {
        {0, 0, 376, 376, true, 0, 0},      {375, 375, 376, 376, true, 7, 7},   {47, 46, 376, 376, true, 1, 0},
        {799, 10, 800, 400, true, 7, 0},   {400, 399, 800, 400, true, 4, 7},   {376, 0, 376, 376, false, 0, 0},
        {-1, 5, 376, 376, false, 0, 0},    {5, 5, 0, 376, false, 0, 0},        {5, 5, 376, 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        int col = -1, row = -1;
        ASSERT_EQ(CSquarePicker::ScreenSquare(c.x, c.y, c.width, c.height, &col, &row), c.inside)
            << c.x << "," << c.y << " in " << c.width << "x" << c.height;
        if (!c.inside) continue;
        EXPECT_EQ(col, c.col);
        EXPECT_EQ(row, c.row);
    }
}

TEST(SquarePickerTest, TwoClicksMakeTheMoveTextWithTheQueenLetter) {
    CSquarePicker picker;
    EXPECT_EQ(Move(picker, 4, 6, 4, 4, false), "e2e4D");
    EXPECT_EQ(Move(picker, 0, 0, 0, 1, true), "h1h2D");
    EXPECT_EQ(Move(picker, 4, 1, 4, 0, false), "e7e8D");
}

TEST(SquarePickerTest, SecondClickOnThePickedSquareKeepsIt) {
    CSquarePicker picker;
    char text[CSquarePicker::kMoveTextSize] = "";
    EXPECT_EQ(picker.OnClick(4, 6, false, text), CSquarePicker::Click::kPicked);
    EXPECT_EQ(picker.OnClick(4, 6, false, text), CSquarePicker::Click::kSameSquare);
    EXPECT_TRUE(picker.HasSelection());
    EXPECT_EQ(picker.SelCol(), 4);
    EXPECT_EQ(picker.SelRow(), 6);
}

TEST(SquarePickerTest, MoveAndDropLeaveNothingPicked) {
    CSquarePicker picker;
    Move(picker, 4, 6, 4, 4, false);
    EXPECT_FALSE(picker.HasSelection());
    EXPECT_EQ(picker.SelCol(), CSquarePicker::kNone);

    char text[CSquarePicker::kMoveTextSize] = "";
    picker.OnClick(1, 1, false, text);
    picker.Drop();
    EXPECT_FALSE(picker.HasSelection());
    EXPECT_EQ(picker.SelRow(), CSquarePicker::kNone);
    EXPECT_EQ(picker.OnClick(1, 1, false, text), CSquarePicker::Click::kPicked) << "picked afresh";
}
