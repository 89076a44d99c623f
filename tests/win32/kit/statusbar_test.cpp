#include "app/win32/kit/statusbar.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <vector>

#include "app/win32/kit/windowdpi.h"

namespace {

constexpr int kBarId = 0xE801;
constexpr int kRest = CStatusBar::kRest;

// A shown top-level window for the bar to sit in.
class StatusBarTest : public testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(bar.Create(parent, kBarId));
    }
    void TearDown() override { DestroyWindow(parent); }

    int BarWidth() const {
        RECT client;
        GetClientRect(bar.Hwnd(), &client);
        return static_cast<int>(client.right);
    }
    std::vector<int> Edges() const {
        const int count = static_cast<int>(SendMessageW(bar.Hwnd(), SB_GETPARTS, 0, 0));
        std::vector<int> edges(static_cast<size_t>(count));
        SendMessageW(bar.Hwnd(), SB_GETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges.data()));
        return edges;
    }

    HWND parent = nullptr;
    CStatusBar bar;
};

}  // namespace

TEST_F(StatusBarTest, PanesAfterTheRestHangFromTheRightEndThoseBeforeItFromTheLeft) {
    ASSERT_GT(bar.Fit({kRest}), 0);
    const int w = BarWidth();
    const struct {
        std::vector<int> widths;
        std::vector<int> edges;
    } cases[] = {
        {{kRest, 30, 40, 50}, {w - 120, w - 90, w - 50, w}},
        {{100, kRest, 20}, {100, w - 20, w}},
        {{60, 70}, {60, 130}},
        {{kRest}, {w}},
    };
    for (const auto& c : cases) {
        bar.Fit(c.widths);
        EXPECT_EQ(Edges(), c.edges) << c.widths.size() << " panes";
    }
}

TEST_F(StatusBarTest, TheLastPanesRectLeavesTheGripAlone) {
    const int height = bar.Fit({kRest, 30, 40 + CStatusBar::GripWidth()});
    RECT window;
    GetWindowRect(bar.Hwnd(), &window);
    EXPECT_EQ(height, window.bottom - window.top);
    RECT middle = {}, last = {};
    ASSERT_TRUE(bar.PaneRect(1, &middle));
    ASSERT_TRUE(bar.PaneRect(2, &last));
    // Screen places: the bar's own left edge is on the screen's scale.
    EXPECT_GE(middle.left, window.left);
    EXPECT_GE(last.left, middle.right);
    EXPECT_EQ(last.right, window.left + BarWidth() - CStatusBar::GripWidth());
    RECT none;
    EXPECT_FALSE(bar.PaneRect(3, &none));
    EXPECT_FALSE(bar.PaneRect(-1, &none));
}

TEST_F(StatusBarTest, TextsGoInWideAndAHiddenBarTakesNoRoom) {
    bar.Fit({kRest, 30});
    bar.SetText(1, "\xC3\x9C" "B");
    wchar_t text[8] = {};
    SendMessageW(bar.Hwnd(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"\u00dcB");
    EXPECT_GT(bar.TextWidth("WWW"), bar.TextWidth("W"));
    EXPECT_EQ(bar.TextWidth(""), 0);

    bar.SetShown(false);
    EXPECT_FALSE(bar.IsShown());
    EXPECT_EQ(bar.Fit({kRest, 30}), 0);
    RECT rect;
    EXPECT_FALSE(bar.PaneRect(0, &rect));
    bar.SetShown(true);
    EXPECT_TRUE(bar.PaneRect(0, &rect));
}

TEST_F(StatusBarTest, AtTwiceTheScaleTheFontTheBarAndTheGripRoomGrow) {
    const int dpi = CWindowDpi::Of(parent);
    bar.SetDpi(dpi);
    const int height = bar.Fit({kRest, 30});
    const int text = bar.TextWidth("SCRL");
    const int grip = bar.OwnGripWidth();
    EXPECT_EQ(grip, CStatusBar::GripWidth());
    bar.SetDpi(2 * dpi);
    EXPECT_GT(bar.Fit({kRest, 30}), height * 3 / 2);
    EXPECT_GE(bar.TextWidth("SCRL"), text * 3 / 2);
    EXPECT_LE(std::abs(bar.OwnGripWidth() - 2 * grip), 1);
    RECT last;
    ASSERT_TRUE(bar.PaneRect(1, &last));
    RECT window;
    GetWindowRect(bar.Hwnd(), &window);
    EXPECT_EQ(last.right, window.left + BarWidth() - bar.OwnGripWidth());
}
