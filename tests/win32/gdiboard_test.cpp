#include "app/win32/gdiboard.h"

#include <gtest/gtest.h>

#include "app/core/picture/boardpicture.h"
#include "app/core/picture/piecebitmaps.h"
#include "game/gamefacade.h"

namespace {

const CPieceBitmaps& Bitmaps() {
    static CPieceBitmaps bitmaps;
    static const char* failure = bitmaps.Load();
    EXPECT_STREQ(failure, "");
    return bitmaps;
}

// The first pixel where the two pictures differ, for the failure message.
std::string FirstDifference(const CPixelBuffer& gdi, const CPixelBuffer& ours) {
    for (int y = 0; y < ours.Height(); ++y)
        for (int x = 0; x < ours.Width(); ++x)
            if (gdi.Pixel(x, y) != ours.Pixel(x, y)) return "at " + std::to_string(x) + "," + std::to_string(y);
    return "none";
}

}  // namespace

// GDI's blits and our own raster operations give the same board, pixel for
// pixel, for every row of the compositing table: light and dark squares,
// empty or with a piece, picked or not, in both orientations.
TEST(GdiBoard, DrawsTheBoardPictureExactly) {
    CGameFacade facade;
    CBoardPicture picture(Bitmaps());
    CGdiBoard gdi(Bitmaps());
    const struct {
        int column, row;  // the picked screen square, -1 for none
    } picks[] = {
        {-1, -1},  // nothing picked: every square kind unpicked
        {0, 0},    // a light square with a piece
        {1, 0},    // a dark square with a piece
        {0, 2},    // a light empty square
        {1, 2},    // a dark empty square
    };
    for (bool flipped : {false, true}) {
        for (const auto& pick : picks) {
            const bool picked = pick.column >= 0;
            const CPixelBuffer& ours = picture.Build(facade, flipped, picked, pick.column, pick.row);
            gdi.Build(facade, flipped, picked, pick.column, pick.row);
            const CPixelBuffer drawn = gdi.Pixels();
            EXPECT_TRUE(drawn == ours) << "flipped " << flipped << ", pick " << pick.column << "," << pick.row
                                       << ": first difference " << FirstDifference(drawn, ours);
        }
    }
}
