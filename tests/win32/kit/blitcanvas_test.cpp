#include "app/win32/kit/blitcanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr CPixelBuffer::Colour kBase = {0xF0, 0x0F, 0x55};
constexpr CPixelBuffer::Colour kSource = {0x3C, 0xFF, 0xAA};

CPixelBuffer Filled(int width, int height, CPixelBuffer::Colour colour) {
    CPixelBuffer picture(width, height);
    picture.Fill(colour);
    return picture;
}

}  // namespace

TEST(BlitCanvas, EachRasterOpCombinesItsSourceWithWhatIsThereAndNothingElse) {
    const struct {
        CPixelBuffer::RasterOp op;
        CPixelBuffer::Colour result;
    } cases[] = {
        {CPixelBuffer::kCopy, kSource},
        {CPixelBuffer::kAnd, {0x30, 0x0F, 0x00}},
        {CPixelBuffer::kOr, {0xFC, 0xFF, 0xFF}},
        {CPixelBuffer::kXor, {0xCC, 0xF0, 0xFF}},
    };
    for (const auto& c : cases) {
        CBlitCanvas canvas(6, 5);
        const int base = canvas.AddPicture(Filled(6, 5, kBase));
        const int source = canvas.AddPicture(Filled(3, 3, kSource));
        ASSERT_EQ(base, 0);
        ASSERT_EQ(source, 1);
        canvas.Blit(base, 0, 0, 6, 5, CPixelBuffer::kCopy);
        // Only the source's top-left 2 x 2, at (1, 2).
        canvas.Blit(source, 1, 2, 2, 2, c.op);
        const CPixelBuffer pixels = canvas.Pixels();
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool inside = x >= 1 && x < 3 && y >= 2 && y < 4;
                EXPECT_EQ(pixels.Pixel(x, y), inside ? c.result : kBase) << c.op << " at " << x << "," << y;
            }
        canvas.Clear();
        EXPECT_EQ(canvas.Pixels(), Filled(6, 5, CPixelBuffer::kWhite)) << c.op;
    }
}
