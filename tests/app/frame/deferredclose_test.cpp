#include "app/core/frame/deferredclose.h"

#include <gtest/gtest.h>

TEST(DeferredCloseTest, ClosesAtOnceWhenNothingThinks) {
    CDeferredClose close;
    EXPECT_TRUE(close.RequestClose(false));
    EXPECT_FALSE(close.Pending());
}

TEST(DeferredCloseTest, CloseWhileThinkingWaitsForTheOutermostReturn) {
    CDeferredClose close;
    close.EnterThinking();  // the click handler
    close.EnterThinking();  // the computer's answer inside it
    EXPECT_FALSE(close.RequestClose(true));
    EXPECT_TRUE(close.Pending());
    EXPECT_FALSE(close.LeaveThinking());
    EXPECT_TRUE(close.Inside());
    EXPECT_TRUE(close.LeaveThinking());
    EXPECT_FALSE(close.Inside());
}

TEST(DeferredCloseTest, ThinkingWithoutCloseRequestClosesNothing) {
    CDeferredClose close;
    close.EnterThinking();
    EXPECT_FALSE(close.LeaveThinking());
    EXPECT_FALSE(close.LeaveThinking()) << "an unmatched leave stays harmless";
    close.EnterThinking();
    EXPECT_FALSE(close.LeaveThinking());
}

TEST(DeferredCloseTest, ClearedRequestIsForgotten) {
    CDeferredClose close;
    close.EnterThinking();
    close.RequestClose(true);
    close.Clear();
    EXPECT_FALSE(close.LeaveThinking());
}

TEST(DeferredCloseTest, HandlerStillRunningHoldsTheCloseBackAfterThinkingStopped) {
    CDeferredClose close;
    close.EnterThinking();
    EXPECT_FALSE(close.RequestClose(false));
    EXPECT_TRUE(close.LeaveThinking());
}

TEST(DeferredCloseTest, ThinkingOutsideAnyHandlerStillDefers) {
    CDeferredClose close;
    EXPECT_FALSE(close.RequestClose(true));
    EXPECT_TRUE(close.Pending());
    EXPECT_FALSE(close.Inside());
}
