#include "app/core/view/pumpthrottle.h"

#include <gtest/gtest.h>

// Every n-th ask looks, the first look after n asks; 0 and 1 look every time.
TEST(PumpThrottle, EveryNthAskLooks) {
    const struct {
        unsigned callsPerLook;
        unsigned asks;
        unsigned long looks;
        unsigned firstLook;  // 1-based ask of the first look
    } cases[] = {
        {CPumpThrottle::kCallsPerLook, 1000, 3, CPumpThrottle::kCallsPerLook},
        {CPumpThrottle::kCallsPerLook, CPumpThrottle::kCallsPerLook - 1, 0, 0},
        {3, 10, 3, 3},
        {1, 5, 5, 1},
        {0, 5, 5, 1},
    };
    for (const auto& c : cases) {
        CPumpThrottle throttle(c.callsPerLook);
        unsigned firstLook = 0;
        for (unsigned ask = 1; ask <= c.asks; ++ask)
            if (throttle.Look() && firstLook == 0) firstLook = ask;
        EXPECT_EQ(throttle.Looks(), c.looks) << c.callsPerLook;
        EXPECT_EQ(firstLook, c.firstLook) << c.callsPerLook;
    }
}
