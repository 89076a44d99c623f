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

// A strip of two 4x3 pictures, each a pattern of single pixels in three
// colours, shown at 150 % and 200 %: the pictures grow, each pixel to a
// block of its own colour, with no colour in between.
TEST(ImageToolbar, PicturesGrowWithTheScaleInBlocksOfTheirOwnColours) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    constexpr SIZE kPicture = {4, 3};
    constexpr COLORREF kColours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 0)};
    auto colourAt = [&](int x, int y) { return kColours[(x + 2 * y) % 3]; };
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, 2 * kPicture.cx, kPicture.cy);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, strip);
    for (int y = 0; y < kPicture.cy; ++y)
        for (int x = 0; x < 2 * kPicture.cx; ++x) SetPixel(dc, x, y, colourAt(x % kPicture.cx, y));
    SelectObject(dc, old);
    const struct {
        int dpi;
        SIZE shown;
    } cases[] = {{96, {4, 3}}, {144, {6, 5}}, {192, {8, 6}}};
    for (const auto& c : cases) {
        CImageToolbar bar;
        ASSERT_TRUE(bar.Create(parent, 0xE800, strip, kPicture, 2, RGB(192, 192, 192), {{101, 1}}, c.dpi));
        const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(bar.Hwnd(), TB_GETIMAGELIST, 0, 0));
        int width = 0, height = 0;
        ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
        EXPECT_EQ(width, c.shown.cx) << c.dpi;
        EXPECT_EQ(height, c.shown.cy) << c.dpi;
        RECT button;
        ASSERT_TRUE(SendMessageW(bar.Hwnd(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button)));
        EXPECT_GE(button.right - button.left, c.shown.cx) << c.dpi;
        EXPECT_GE(button.bottom - button.top, c.shown.cy) << c.dpi;
        HBITMAP sheet = CreateCompatibleBitmap(screen, width, height);
        old = SelectObject(dc, sheet);
        ASSERT_TRUE(ImageList_Draw(images, 1, dc, 0, 0, ILD_NORMAL));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF seen = GetPixel(dc, x, y);
                if (width % kPicture.cx == 0 && height % kPicture.cy == 0) {
                    // A whole factor: the block of the source pixel.
                    ASSERT_EQ(seen, colourAt(x * kPicture.cx / width, y * kPicture.cy / height))
                        << c.dpi << " dpi at " << x << "," << y;
                } else {
                    ASSERT_TRUE(seen == kColours[0] || seen == kColours[1] || seen == kColours[2])
                        << c.dpi << " dpi at " << x << "," << y << ": " << std::hex << seen;
                }
            }
        SelectObject(dc, old);
        DeleteObject(sheet);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyWindow(parent);
    DeleteObject(strip);
}
