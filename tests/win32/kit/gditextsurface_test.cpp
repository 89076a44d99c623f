#include "app/win32/kit/gditextsurface.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "win32/kit/inksurface.h"

TEST(GdiTextSurface, PointsMakeTheFontAndTextsMeasureInIt) {
    CInkSurface sheet(400, 200);
    CGdiTextSurface text(sheet.Dc(), 0, 0);
    text.SetFontPoints(10);
    const int smallHeight = text.TextHeight("Wort");
    const int smallWidth = text.TextWidth("Wort");
    EXPECT_GT(smallHeight, 0);
    EXPECT_GT(text.TextWidth("Wort Wort"), smallWidth);
    EXPECT_EQ(text.TextWidth(""), 0);
    text.SetFontPoints(20);
    EXPECT_GT(text.TextHeight("Wort"), smallHeight * 3 / 2);
    EXPECT_GT(text.TextWidth("Wort"), smallWidth * 3 / 2);
}

TEST(GdiTextSurface, TextsStandFromItsOriginAndTheDcGetsItsFontBack) {
    CInkSurface atCorner(400, 200), moved(400, 200);
    const HGDIOBJ font = GetCurrentObject(moved.Dc(), OBJ_FONT);
    {
        CGdiTextSurface corner(atCorner.Dc(), 0, 0);
        corner.SetFontPoints(12);
        corner.WriteText(10, 20, "Abc");
        CGdiTextSurface shifted(moved.Dc(), 30, 40);
        shifted.SetFontPoints(12);
        shifted.WriteText(10, 20, "Abc");
        EXPECT_NE(GetCurrentObject(moved.Dc(), OBJ_FONT), font);
    }
    EXPECT_EQ(GetCurrentObject(moved.Dc(), OBJ_FONT), font);
    const CInkSurface::Box a = atCorner.InkBox(), b = moved.InkBox();
    ASSERT_FALSE(a.Empty());
    EXPECT_GE(a.left, 10);
    EXPECT_GE(a.top, 20);
    EXPECT_EQ(b.left, a.left + 30);
    EXPECT_EQ(b.top, a.top + 40);
    EXPECT_EQ(b.right, a.right + 30);
}

TEST(GdiTextSurface, PointsAreForTheScaleItIsGivenElseForTheDcs) {
    CInkSurface sheet(400, 200);
    const int own = GetDeviceCaps(sheet.Dc(), LOGPIXELSY);
    const struct {
        int dpi, points, pixels;  // the character height, without the leading
    } cases[] = {{0, 12, 12 * own / 72}, {96, 12, 16}, {144, 12, 24}, {192, 12, 32}, {192, 9, 24}};
    for (const auto& c : cases) {
        CGdiTextSurface text(sheet.Dc(), 0, 0, c.dpi);
        text.SetFontPoints(c.points);
        TEXTMETRICW metrics;
        ASSERT_TRUE(GetTextMetricsW(sheet.Dc(), &metrics));
        // The font's own rounding may give a pixel more or less.
        EXPECT_LE(std::abs(metrics.tmHeight - metrics.tmInternalLeading - c.pixels), 1)
            << c.points << " pt at " << c.dpi << " dpi";
    }
}
