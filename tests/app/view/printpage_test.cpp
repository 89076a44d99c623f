#include "app/core/view/printpage.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const CPrintPage::Rect& rect, int left, int top, int width, int height) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

}  // namespace

// 20 mm is 0.787 inches: the dots are cut, never rounded up past the margin.
TEST(PrintPage, MillimetresBecomeWholeDots) {
    const struct {
        int millimetres, dotsPerInch, dots;
    } cases[] = {
        {20, 96, 75},    {20, 300, 236},  {20, 600, 472},  {20, 1200, 944},
        {210, 300, 2480}, {297, 300, 3507}, {297, 600, 7015}, {0, 600, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPrintPage::MillimetresToDots(c.millimetres, c.dotsPerInch), c.dots)
            << c.millimetres << " mm at " << c.dotsPerInch << " dpi";
}

TEST(PrintPage, TextAreaLiesTwentyMillimetresInsideEachEdge) {
    const struct {
        const char* name;
        CPrintPage::Paper paper;
        int left, top, width, height;
    } cases[] = {
        // A4 at 300 and at 600 dpi, the device's origin at the sheet's corner.
        {"A4 300", CPrintPage::Sheet(210, 297, 300, 300), 236, 236, 2480 - 472, 3507 - 472},
        {"A4 600", CPrintPage::Sheet(210, 297, 600, 600), 472, 472, 4960 - 944, 7015 - 944},
        // The Linux program lays the page out in the screen's pixels.
        {"A4 96", CPrintPage::Sheet(210, 297, 96, 96), 75, 75, 793 - 150, 1122 - 150},
        // Letter, 8.5 x 11 inches, as a printer gives it: its printable
        // area starts a quarter inch in, so the margin counts from there.
        {"Letter 300", {2550, 3300, 75, 75, 300, 300}, 236 - 75, 236 - 75, 2550 - 472, 3300 - 472},
        {"Letter 600", {5100, 6600, 150, 100, 600, 600}, 472 - 150, 472 - 100, 5100 - 944, 6600 - 944},
        // More dots across than down: each way its own margin.
        {"1200 x 600", {10200, 6600, 0, 0, 1200, 600}, 944, 472, 10200 - 1888, 6600 - 944},
        // A sheet narrower than both margins leaves no room, not a negative one.
        {"strip", {400, 3000, 0, 0, 300, 300}, 236, 236, 0, 3000 - 472},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRect(CPrintPage::TextArea(c.paper), c.left, c.top, c.width, c.height);
    }
}

TEST(PrintPage, SheetFitsIntoThePreviewInItsOwnShapeCentred) {
    // A4 at 96 dpi is 793 x 1122 dots.
    const CPrintPage::Paper a4 = CPrintPage::Sheet(210, 297, 96, 96);
    ASSERT_EQ(a4.width, 793);
    ASSERT_EQ(a4.height, 1122);
    // A square space: the height limits, the page is centred across.
    ExpectRect(CPrintPage::Fit(a4, {10, 20, 400, 400}), 10 + 59, 20, 282, 400);
    // A wide, low space: likewise. A tall, narrow one: the width limits.
    ExpectRect(CPrintPage::Fit(a4, {0, 0, 1000, 561}), 302, 0, 396, 561);
    ExpectRect(CPrintPage::Fit(a4, {0, 0, 300, 1000}), 0, 288, 300, 424);
    // 2 inches by 1 inch in dots of 1200 across and 600 down: twice as wide as high.
    ExpectRect(CPrintPage::Fit({2400, 600, 0, 0, 1200, 600}, {0, 0, 100, 100}), 0, 25, 100, 50);
    // No space, or no sheet: nothing to draw.
    ExpectRect(CPrintPage::Fit(a4, {5, 5, 0, 300}), 5, 5, 0, 0);
    ExpectRect(CPrintPage::Fit({0, 0, 0, 0, 96, 96}, {5, 5, 300, 300}), 5, 5, 0, 0);
}

TEST(PrintPage, OnlyAPrintersRefusalIsTold) {
    const struct {
        CPrintPage::Outcome outcome;
        const char* text;
        const char* caption;
    } cases[] = {
        {CPrintPage::kPrinted, nullptr, nullptr},
        {CPrintPage::kCancelled, nullptr, nullptr},
        {CPrintPage::kRefused, "Der Drucker hat das Spiel nicht angenommen.", "Drucken"},
    };
    for (const auto& c : cases) {
        const CPrintPage::Told told = CPrintPage::Report(c.outcome);
        if (c.text == nullptr) {
            EXPECT_EQ(told.text, nullptr) << c.outcome;
            continue;
        }
        ASSERT_NE(told.text, nullptr) << c.outcome;
        EXPECT_STREQ(told.text, c.text);
        EXPECT_STREQ(told.caption, c.caption);
    }
}
