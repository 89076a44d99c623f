#include "app/core/view/paintstatus.h"

#include <gtest/gtest.h>

TEST(PaintStatus, OnlyTheViewsOwnRepaintsAndNewSizesWrite) {
    CPaintStatus status;
    EXPECT_TRUE(status.OnPaint(400, 400, false)) << "the first paint";
    EXPECT_FALSE(status.OnPaint(400, 400, false)) << "a repaint the toolkit made";
    status.Requested();
    EXPECT_TRUE(status.OnPaint(400, 400, false));
    EXPECT_FALSE(status.OnPaint(400, 400, false)) << "a request writes once";
    EXPECT_TRUE(status.OnPaint(500, 400, false)) << "wider";
    EXPECT_TRUE(status.OnPaint(500, 300, false)) << "lower";
    EXPECT_FALSE(status.OnPaint(500, 300, false));
}

TEST(PaintStatus, NothingIsWrittenWhileABoxShowsItsOwnStatusText) {
    CPaintStatus status;
    status.OnPaint(400, 400, false);
    // The computer's last move asked for a repaint, then a click brought up
    // the game-over box with its text in the status bar before the paint:
    // the box's text stays.
    status.Requested();
    status.TextWritten();
    EXPECT_FALSE(status.OnPaint(400, 400, true));
    EXPECT_FALSE(status.OnPaint(400, 400, true));
    EXPECT_FALSE(status.OnPaint(300, 400, true)) << "not even at a new size";
    // Once the box has gone, the waiting request is carried out.
    EXPECT_TRUE(status.OnPaint(400, 400, false));
    EXPECT_FALSE(status.OnPaint(400, 400, false));
}

TEST(PaintStatus, ABoxWithoutAStatusTextOfItsOwnLetsThePaintWrite) {
    CPaintStatus status;
    status.OnPaint(400, 400, false);
    // The user's mating move asked for a repaint; the computer's turn found
    // the game over and showed its box without writing a status text.
    status.Requested();
    EXPECT_TRUE(status.OnPaint(400, 400, true)) << "the result under the box";
    EXPECT_FALSE(status.OnPaint(400, 400, true)) << "a repaint the toolkit made";

    // A text written before the request is the paint's to replace.
    status.TextWritten();
    status.Requested();
    EXPECT_TRUE(status.OnPaint(400, 400, true));

    // Once the paint has written, an older text of a command no longer holds
    // a box's paints back.
    status.TextWritten();
    EXPECT_TRUE(status.OnPaint(500, 400, false));
    EXPECT_TRUE(status.OnPaint(400, 400, true)) << "a new size under a box without text";
}
