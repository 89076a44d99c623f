#include "app/win32/kit/dockingtoolbar.h"

#include <gtest/gtest.h>

#include "app/win32/kit/imagetoolbar.h"
#include "app/win32/kit/windowdpi.h"

// Docked at the top, the bar keeps a margin below its buttons; on a monitor
// of twice the scale the margin doubles and the view starts that much lower.
TEST(DockingToolbar, TheDockedBarsMarginGrowsWithTheScale) {
    HWND frame = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame, nullptr);
    {
        CImageToolbar bar;
        ASSERT_TRUE(bar.Create(frame, 0xE800, nullptr, {16, 15}, 1, RGB(192, 192, 192), {{101, 0}, {102, 0}}));
        CDockingToolbar docking;
        ASSERT_TRUE(docking.Attach(frame, bar.Hwnd()));
        const int dpi = CWindowDpi::Of(frame);
        const CDockLayout::Rect client = {0, 0, 400, 300};
        const int top = docking.Arrange(client).top;
        RECT button;
        ASSERT_TRUE(SendMessageW(bar.Hwnd(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button)));
        const int margin = top - button.bottom;
        EXPECT_GT(margin, 0);
        docking.SetDpi(2 * dpi);
        EXPECT_EQ(docking.Arrange(client).top, button.bottom + 2 * margin);
        docking.Detach();
    }
    DestroyWindow(frame);
}
