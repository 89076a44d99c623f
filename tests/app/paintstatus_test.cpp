#include "app/core/paintstatus.h"

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

TEST(PaintStatus, NothingIsWrittenWhileABoxIsShowing) {
    CPaintStatus status;
    status.OnPaint(400, 400, false);
    // The computer's last move asked for a repaint, then the game-over box
    // came up before the paint: the box's text stays.
    status.Requested();
    EXPECT_FALSE(status.OnPaint(400, 400, true));
    EXPECT_FALSE(status.OnPaint(400, 400, true));
    // Once the box has gone, the waiting request is carried out.
    EXPECT_TRUE(status.OnPaint(400, 400, false));
    EXPECT_FALSE(status.OnPaint(400, 400, false));
}
