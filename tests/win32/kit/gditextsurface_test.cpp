#include "app/win32/kit/gditextsurface.h"

#include <gtest/gtest.h>

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
