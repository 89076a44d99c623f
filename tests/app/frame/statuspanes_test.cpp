#include "app/core/frame/statuspanes.h"

#include <gtest/gtest.h>

#include <vector>

TEST(StatusPanes, TextPlusMarginTheLastAlsoTheEndRoomTheMessageTheRest) {
    const struct {
        std::vector<int> texts;
        int margin;
        int endRoom;
        std::vector<int> widths;
    } cases[] = {
        // The message's own measure does not count.
        {{500, 20, 21, 25}, 12, 17, {CStatusPanes::kRest, 32, 33, 54}},
        {{0, 20, 21, 25}, 12, 0, {CStatusPanes::kRest, 32, 33, 37}},
        {{0, 30}, 4, 10, {CStatusPanes::kRest, 44}},
        // A bar of the message alone has no end to keep free.
        {{80}, 12, 17, {CStatusPanes::kRest}},
        {{}, 12, 17, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CStatusPanes::Widths(c.texts, c.margin, c.endRoom), c.widths) << c.texts.size() << " panes";
}
