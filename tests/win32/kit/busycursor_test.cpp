#include "app/win32/kit/busycursor.h"

#include <gtest/gtest.h>

namespace {

HCURSOR Wait() { return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)); }

}  // namespace

TEST(BusyCursor, BeginsAndEndsNestAndAnEndTooManyIsIgnored) {
    CBusyCursor busy;
    busy.Begin();
    busy.Begin();
    EXPECT_EQ(GetCursor(), Wait());
    busy.End();
    EXPECT_TRUE(busy.IsBusy());
    EXPECT_EQ(GetCursor(), Wait());
    busy.End();
    EXPECT_FALSE(busy.IsBusy());
    EXPECT_NE(GetCursor(), Wait());
    busy.End();
    busy.Begin();
    EXPECT_TRUE(busy.IsBusy()) << "the extra end was counted";
}

TEST(BusyCursor, TheHourglassStaysOverTheClientAreaOnly) {
    CBusyCursor busy;
    EXPECT_FALSE(busy.OnSetCursor(MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    busy.Begin();
    SetCursor(nullptr);
    EXPECT_FALSE(busy.OnSetCursor(MAKELPARAM(HTCAPTION, WM_MOUSEMOVE)));
    EXPECT_TRUE(busy.OnSetCursor(MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), Wait());
}
