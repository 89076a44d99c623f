#include "app/win32/kit/imagetoolbar.h"

#include <gtest/gtest.h>

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
