#include "app/core/picture/squarepicker.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSize = 376;
constexpr int kSquarePixels = 47;
constexpr long kGame = 1;

// A plain left click in the middle of a screen square of a 376 x 376 view.
CSquarePicker::Click At(int column, int row, long game = kGame) {
    return {column * kSquarePixels + kSquarePixels / 2, row * kSquarePixels + kSquarePixels / 2, kSize, kSize, true, false,
            false, game};
}

void ExpectNothingPicked(const CSquarePicker& picker) {
    EXPECT_FALSE(picker.HasSelection());
    EXPECT_EQ(picker.SelColumn(), CSquarePicker::kNone);
    EXPECT_EQ(picker.SelRow(), CSquarePicker::kNone);
}

}  // namespace

TEST(SquarePickerTest, FirstClickPicksAnySquareSecondHandsOverTheMove) {
    CSquarePicker picker;
    ExpectNothingPicked(picker);
    EXPECT_EQ(picker.OnClick(At(4, 6)), CSquarePicker::kRepaint);
    EXPECT_TRUE(picker.HasSelection());
    EXPECT_EQ(picker.SelColumn(), 4);
    EXPECT_EQ(picker.SelRow(), 6);
    EXPECT_EQ(picker.OnClick(At(4, 4)), CSquarePicker::kHandOver);
    EXPECT_STREQ(picker.MoveText(), "e2e4D");
    EXPECT_EQ(picker.ClickColumn(), 4);
    EXPECT_EQ(picker.ClickRow(), 4);
    // The picked square stays shown until the view has the game's answer
    // (a refusal box shows it); the view then drops it.
    EXPECT_TRUE(picker.HasSelection());
    EXPECT_EQ(picker.SelColumn(), 4);
    picker.Drop();
    ExpectNothingPicked(picker);

    // Empty squares and the other side's pieces can be picked too.
    EXPECT_EQ(picker.OnClick(At(3, 3)), CSquarePicker::kRepaint);
    EXPECT_EQ(picker.OnClick(At(0, 0)), CSquarePicker::kHandOver);
    EXPECT_STREQ(picker.MoveText(), "d5a8D");
}

TEST(SquarePickerTest, MoveTextsInBothOrientations) {
    const struct {
        bool flipped;
        int fromColumn, fromRow, toColumn, toRow;
        const char* text;
    } cases[] = {
        {false, 4, 6, 4, 4, "e2e4D"},
        {false, 4, 1, 4, 0, "e7e8D"},
        {false, 7, 7, 0, 0, "h1a8D"},
        {true, 0, 0, 0, 1, "h1h2D"},
        {true, 3, 1, 3, 3, "e2e4D"},
        {true, 7, 7, 6, 6, "a8b7D"},
    };
    for (const auto& c : cases) {
        CSquarePicker picker;
        if (c.flipped) picker.Flip();
        picker.OnClick(At(c.fromColumn, c.fromRow));
        ASSERT_EQ(picker.OnClick(At(c.toColumn, c.toRow)), CSquarePicker::kHandOver);
        EXPECT_STREQ(picker.MoveText(), c.text);
    }
}

TEST(SquarePickerTest, SecondClickOnThePickedSquareKeepsIt) {
    CSquarePicker picker;
    picker.OnClick(At(4, 6));
    // Another point of the same square.
    CSquarePicker::Click corner = At(4, 6);
    corner.x = 4 * kSquarePixels;
    corner.y = 7 * kSquarePixels - 1;
    EXPECT_EQ(picker.OnClick(corner), CSquarePicker::kNothing);
    EXPECT_TRUE(picker.HasSelection());
    EXPECT_EQ(picker.SelColumn(), 4);
    EXPECT_EQ(picker.SelRow(), 6);
}

TEST(SquarePickerTest, ClicksThatDoNotReachTheBoardChangeNothing) {
    const struct {
        const char* what;
        CSquarePicker::Click click;
        CSquarePicker::Action action;
    } cases[] = {
        {"notation shown", {20, 20, kSize, kSize, true, true, false, kGame}, CSquarePicker::kShowBoard},
        {"shift or ctrl held", {20, 20, kSize, kSize, false, false, false, kGame}, CSquarePicker::kNothing},
        {"game over", {20, 20, kSize, kSize, true, false, true, kGame}, CSquarePicker::kShowGameOver},
        {"left of the view", {-5, 20, kSize, kSize, true, false, false, kGame}, CSquarePicker::kNothing},
        {"above the view", {20, -60, kSize, kSize, true, false, false, kGame}, CSquarePicker::kNothing},
        {"right of the view", {kSize, 20, kSize, kSize, true, false, false, kGame}, CSquarePicker::kNothing},
        {"view without width", {0, 0, 0, kSize, true, false, false, kGame}, CSquarePicker::kNothing},
        {"view without height", {0, 0, kSize, 0, true, false, false, kGame}, CSquarePicker::kNothing},
    };
    for (const auto& c : cases) {
        // With a square picked: the pick survives, no move is made.
        CSquarePicker picker;
        picker.OnClick(At(4, 6));
        EXPECT_EQ(picker.OnClick(c.click), c.action) << c.what;
        EXPECT_TRUE(picker.HasSelection()) << c.what;
        EXPECT_EQ(picker.SelColumn(), 4) << c.what;
        EXPECT_STREQ(picker.MoveText(), "") << c.what;

        // With nothing picked: nothing gets picked.
        CSquarePicker fresh;
        EXPECT_EQ(fresh.OnClick(c.click), c.action) << c.what;
        EXPECT_FALSE(fresh.HasSelection()) << c.what;
    }
}

TEST(SquarePickerTest, FlipDropsThePickAndTurnsTheBoard) {
    CSquarePicker picker;
    picker.OnClick(At(4, 6));
    picker.Flip();
    EXPECT_TRUE(picker.IsFlipped());
    ExpectNothingPicked(picker);
    picker.Flip();
    EXPECT_FALSE(picker.IsFlipped());
    ExpectNothingPicked(picker);
}

TEST(SquarePickerTest, ANewGameDropsThePick) {
    // Seen by the paint before any click.
    CSquarePicker picker;
    picker.OnClick(At(4, 6));
    picker.FollowGame(kGame);
    EXPECT_TRUE(picker.HasSelection());
    picker.FollowGame(kGame + 1);
    ExpectNothingPicked(picker);

    // Seen first by the click itself: the old pick does not combine with it.
    CSquarePicker clicked;
    clicked.OnClick(At(4, 6));
    EXPECT_EQ(clicked.OnClick(At(4, 4, kGame + 1)), CSquarePicker::kRepaint);
    EXPECT_EQ(clicked.SelColumn(), 4);
    EXPECT_EQ(clicked.SelRow(), 4);
    EXPECT_EQ(clicked.OnClick(At(4, 3, kGame + 1)), CSquarePicker::kHandOver);
    EXPECT_STREQ(clicked.MoveText(), "e4e5D");
}
