#include "app/win32/kit/imagetoolbar.h"

#include <gtest/gtest.h>

#include <string>

TEST(ImageToolbar, ButtonsInTheirOrderWithTheirCommandsPicturesAndGaps) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    constexpr SIZE kPicture = {16, 15};
    constexpr int kPictures = 3;
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, kPicture.cx * kPictures, kPicture.cy);
    ReleaseDC(nullptr, screen);
    {
        CImageToolbar bar;
        ASSERT_TRUE(bar.Create(parent, 0xE800, strip, kPicture, kPictures, RGB(192, 192, 192),
                               {{101, 0}, {CImageToolbar::kGap, 0}, {102, 2}, {103, 1}}));
        EXPECT_EQ(GetParent(bar.Hwnd()), parent);
        EXPECT_EQ(GetDlgCtrlID(bar.Hwnd()), 0xE800);
        ASSERT_EQ(SendMessageW(bar.Hwnd(), TB_BUTTONCOUNT, 0, 0), 4);
        const struct {
            int index;
            int command;
            int picture;
            bool gap;
        } cases[] = {{0, 101, 0, false}, {1, 0, 0, true}, {2, 102, 2, false}, {3, 103, 1, false}};
        for (const auto& c : cases) {
            TBBUTTON button = {};
            ASSERT_TRUE(SendMessageW(bar.Hwnd(), TB_GETBUTTON, static_cast<WPARAM>(c.index),
                                     reinterpret_cast<LPARAM>(&button)));
            EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, c.gap) << c.index;
            if (c.gap) continue;
            EXPECT_EQ(button.idCommand, c.command) << c.index;
            EXPECT_EQ(button.iBitmap, c.picture) << c.index;
            EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << c.index;
        }
        // The strip was cut into its pictures.
        const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(bar.Hwnd(), TB_GETIMAGELIST, 0, 0));
        ASSERT_NE(images, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(images), kPictures);
        DestroyWindow(parent);
    }
    DeleteObject(strip);
}

TEST(ImageToolbar, TooltipsAskForTheButtonsTextAndTheHotButtonIsReported) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    CImageToolbar bar;
    ASSERT_TRUE(bar.Create(parent, 0xE800, nullptr, {16, 15}, 1, RGB(192, 192, 192), {{101, 0}}));

    NMTTDISPINFOW tip = {};
    tip.hdr.code = TTN_GETDISPINFOW;
    tip.hdr.idFrom = 101;
    int asked = 0;
    EXPECT_TRUE(bar.OnToolTip(tip.hdr, [&asked](int id) {
        asked = id;
        return std::string("\xC3\x96" "ffnen");
    }));
    EXPECT_EQ(asked, 101);
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, L"\u00d6ffnen");

    NMTBHOTITEM hot = {};
    hot.hdr.hwndFrom = bar.Hwnd();
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = 101;
    bool leaving = true;
    int id = 0;
    EXPECT_FALSE(bar.OnToolTip(hot.hdr, [](int) { return std::string(); }));
    ASSERT_TRUE(bar.OnHotItem(hot.hdr, &leaving, &id));
    EXPECT_FALSE(leaving);
    EXPECT_EQ(id, 101);
    hot.dwFlags = HICF_LEAVING;
    ASSERT_TRUE(bar.OnHotItem(hot.hdr, &leaving, &id));
    EXPECT_TRUE(leaving);
    // Another bar's or another kind of notification is not this bar's.
    hot.hdr.hwndFrom = parent;
    EXPECT_FALSE(bar.OnHotItem(hot.hdr, &leaving, &id));
    EXPECT_FALSE(bar.OnHotItem(tip.hdr, &leaving, &id));
    DestroyWindow(parent);
}
