#include "app/win32/kit/scaledbitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr COLORREF kColours[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
constexpr int kWidth = 5, kHeight = 3;
COLORREF ColourAt(int x, int y) { return kColours[(x + 3 * y) % 4]; }

// Reads the bitmap's pixels through a memory DC.
class CBitmapReader {
public:
    explicit CBitmapReader(HBITMAP bitmap) : m_dc(CreateCompatibleDC(nullptr)), m_old(SelectObject(m_dc, bitmap)) {}
    ~CBitmapReader() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    CBitmapReader(const CBitmapReader&) = delete;
    CBitmapReader& operator=(const CBitmapReader&) = delete;
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

HBITMAP Pattern() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    CBitmapReader writer(bitmap);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) SetPixel(writer.Dc(), x, y, ColourAt(x, y));
    return bitmap;
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

TEST(ScaledBitmap, AtTwiceTheScaleEachPixelIsATwoByTwoBlockOfItsColour) {
    HBITMAP pattern = Pattern();
    HBITMAP doubled = CScaledBitmap::ForDpi(pattern, 192);
    ASSERT_NE(doubled, nullptr);
    const SIZE size = SizeOf(doubled);
    EXPECT_EQ(size.cx, 2 * kWidth);
    EXPECT_EQ(size.cy, 2 * kHeight);
    {
        CBitmapReader read(doubled);
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) ASSERT_EQ(read.At(x, y), ColourAt(x / 2, y / 2)) << x << "," << y;
    }
    DeleteObject(doubled);
    DeleteObject(pattern);
}

TEST(ScaledBitmap, AtOtherScalesOnlyItsOwnColoursAndAt100PercentNothingNew) {
    HBITMAP pattern = Pattern();
    EXPECT_EQ(CScaledBitmap::ForDpi(pattern, 96), nullptr);
    EXPECT_EQ(CScaledBitmap::ForDpi(nullptr, 192), nullptr);
    const struct {
        int dpi;
        SIZE size;
    } cases[] = {{120, {6, 4}}, {144, {8, 5}}, {168, {9, 5}}, {288, {15, 9}}};
    for (const auto& c : cases) {
        HBITMAP scaled = CScaledBitmap::ForDpi(pattern, c.dpi);
        ASSERT_NE(scaled, nullptr) << c.dpi;
        const SIZE size = SizeOf(scaled);
        EXPECT_EQ(size.cx, c.size.cx) << c.dpi;
        EXPECT_EQ(size.cy, c.size.cy) << c.dpi;
        {
            CBitmapReader read(scaled);
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x) {
                    const COLORREF seen = read.At(x, y);
                    ASSERT_NE(std::find(std::begin(kColours), std::end(kColours), seen), std::end(kColours))
                        << c.dpi << " dpi at " << x << "," << y << ": " << std::hex << seen;
                }
        }
        DeleteObject(scaled);
    }
    DeleteObject(pattern);
}
