#include "app/win32/kit/windowdpi.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(WindowDpiTest, AWindowAndTheSystemHaveAScaleAndTheNoWindowFallsBackToTheScreens) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_GE(CWindowDpi::Of(window), 96);
    EXPECT_EQ(CWindowDpi::Of(window), CWindowDpi::System());
    EXPECT_EQ(CWindowDpi::Of(nullptr), CWindowDpi::System());
    DestroyWindow(window);
}

TEST(WindowDpiTest, SystemSizesGrowWithTheScale) {
    const int base = CWindowDpi::System();
    // (Not the edges: they stay thin lines at any scale.)
    for (int index : {SM_CXVSCROLL, SM_CYCAPTION, SM_CXMENUCHECK}) {
        const int own = CWindowDpi::Metric(index, base);
        EXPECT_EQ(own, GetSystemMetrics(index)) << index;
        EXPECT_LE(std::abs(CWindowDpi::Metric(index, 2 * base) - 2 * own), 1) << index;
    }
}

TEST(WindowDpiTest, AWindowsFrameGrowsWithTheScale) {
    constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
    const int base = CWindowDpi::System();
    RECT own = {0, 0, 100, 100}, doubled = {0, 0, 100, 100}, system = {0, 0, 100, 100};
    CWindowDpi::AdjustRect(&own, kStyle, true, 0, base);
    CWindowDpi::AdjustRect(&doubled, kStyle, true, 0, 2 * base);
    AdjustWindowRectEx(&system, kStyle, TRUE, 0);
    EXPECT_TRUE(EqualRect(&own, &system));
    EXPECT_LT(doubled.top, own.top);
    EXPECT_GT(doubled.bottom - doubled.top, own.bottom - own.top);
}

TEST(WindowDpiTest, ThePartsFontsGrowWithTheScale) {
    NONCLIENTMETRICSW normal, doubled;
    ASSERT_TRUE(CWindowDpi::PartFonts(96, &normal));
    ASSERT_TRUE(CWindowDpi::PartFonts(192, &doubled));
    for (auto font : {&NONCLIENTMETRICSW::lfStatusFont, &NONCLIENTMETRICSW::lfMessageFont}) {
        ASSERT_NE((normal.*font).lfHeight, 0);
        EXPECT_LE(std::abs((doubled.*font).lfHeight - 2 * (normal.*font).lfHeight), 1);
    }
}

TEST(WindowDpiTest, DpiChangedCarriesTheNewScaleInItsHighWord) {
    EXPECT_EQ(CWindowDpi::FromDpiChanged(MAKEWPARAM(144, 144)), 144);
    EXPECT_EQ(CWindowDpi::FromDpiChanged(MAKEWPARAM(96, 192)), 192);
}
