#include "app/win32/kit/verticalscroll.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLine = 16;
constexpr int kContent = 250;

// A shown window with a client area 100 pixels high.
class VerticalScrollTest : public testing::Test {
protected:
    void SetUp() override {
        window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VSCROLL, 0, 0, 200, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        RECT client;
        GetClientRect(window, &client);
        page = static_cast<int>(client.bottom);
        ASSERT_GT(page, 2 * kLine);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
    int page = 0;
    CVerticalScroll scroll{kLine};
};

}  // namespace

TEST_F(VerticalScrollTest, LinesAndPagesMoveTheTopWhichStopsAtEitherEnd) {
    scroll.SetContentHeight(window, kContent);
    const int last = kContent - page;
    const struct {
        int request;
        bool moves;
        int top;
    } steps[] = {
        {SB_LINEUP, false, 0},        {SB_LINEDOWN, true, kLine},   {SB_PAGEDOWN, true, kLine + page},
        {SB_PAGEDOWN, true, last},    {SB_LINEDOWN, false, last},   {SB_LINEUP, true, last - kLine},
        {SB_ENDSCROLL, false, last - kLine}, {SB_PAGEUP, true, last - kLine - page},
        {SB_PAGEUP, true, 0},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(scroll.OnScroll(window, step.request), step.moves) << step.request << " to " << step.top;
        EXPECT_EQ(scroll.Position(), step.top) << step.request;
    }
}

TEST_F(VerticalScrollTest, TheBarShowsOnlyWhileTheContentDoesNotFit) {
    scroll.SetContentHeight(window, kContent);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(GetScrollInfo(window, SB_VERT, &info));
    EXPECT_EQ(info.nMax, kContent - 1);
    EXPECT_EQ(static_cast<int>(info.nPage), page);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL);
    ASSERT_TRUE(scroll.OnScroll(window, SB_PAGEDOWN));

    // Content that fits goes back to its top, without a bar.
    scroll.SetContentHeight(window, page);
    EXPECT_EQ(scroll.Position(), 0);
    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(scroll.OnScroll(window, SB_LINEDOWN));
}
