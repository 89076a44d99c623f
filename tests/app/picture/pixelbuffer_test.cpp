#include "app/core/picture/pixelbuffer.h"

#include <gtest/gtest.h>

namespace {

using Colour = CPixelBuffer::Colour;

CPixelBuffer Filled(int width, int height, Colour colour) {
    CPixelBuffer buffer(width, height);
    buffer.Fill(colour);
    return buffer;
}

}  // namespace

TEST(PixelBufferTest, RasterOpsCombineEachChannelBitwise) {
    // Each channel has its own bit pattern, so a mixed-up channel shows.
    const Colour destination = {0xCC, 0x0F, 0xFF};
    const Colour source = {0xAA, 0x3C, 0x00};
    const struct {
        CPixelBuffer::RasterOp op;
        Colour expected;
    } cases[] = {
        {CPixelBuffer::kCopy, {0xAA, 0x3C, 0x00}},
        {CPixelBuffer::kAnd, {0x88, 0x0C, 0x00}},
        {CPixelBuffer::kOr, {0xEE, 0x3F, 0xFF}},
        {CPixelBuffer::kXor, {0x66, 0x33, 0xFF}},
    };
    for (const auto& c : cases) {
        CPixelBuffer picture = Filled(4, 4, destination);
        picture.Blit(0, 0, 4, 4, Filled(4, 4, source), 0, 0, c.op);
        EXPECT_EQ(picture.Pixel(2, 3), c.expected) << "op " << c.op;
    }
}

TEST(PixelBufferTest, BlitTouchesOnlyItsRectangle) {
    CPixelBuffer picture = Filled(6, 5, CPixelBuffer::kWhite);
    CPixelBuffer source(4, 4);
    source.SetPixel(1, 2, {1, 2, 3});
    picture.Blit(2, 1, 3, 3, source, 0, 0, CPixelBuffer::kCopy);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 2 && x < 5 && y >= 1 && y < 4;
            const Colour expected = !inside ? CPixelBuffer::kWhite
                                   : (x == 3 && y == 3) ? Colour{1, 2, 3}
                                                        : CPixelBuffer::kBlack;
            EXPECT_EQ(picture.Pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(PixelBufferTest, BlitClipsAtEveryEdgeOfBothPictures) {
    CPixelBuffer source(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) source.SetPixel(x, y, {static_cast<uint8_t>(10 * x + y), 0, 0});

    // Destination corner left of and above the picture: only the overlap is drawn.
    CPixelBuffer picture = Filled(4, 4, CPixelBuffer::kWhite);
    picture.Blit(-1, -2, 3, 3, source, 0, 0, CPixelBuffer::kCopy);
    EXPECT_EQ(picture.Pixel(0, 0), (Colour{12, 0, 0}));
    EXPECT_EQ(picture.Pixel(1, 0), (Colour{22, 0, 0}));
    EXPECT_EQ(picture.Pixel(2, 0), CPixelBuffer::kWhite);
    EXPECT_EQ(picture.Pixel(0, 1), CPixelBuffer::kWhite);

    // Past the right and bottom edges, and a source rectangle leaving its picture.
    picture = Filled(4, 4, CPixelBuffer::kWhite);
    picture.Blit(3, 3, 5, 5, source, 2, 2, CPixelBuffer::kCopy);
    EXPECT_EQ(picture.Pixel(3, 3), (Colour{22, 0, 0}));
    picture.Blit(0, 0, 3, 3, source, -1, 0, CPixelBuffer::kCopy);
    EXPECT_EQ(picture.Pixel(0, 0), CPixelBuffer::kWhite);
    EXPECT_EQ(picture.Pixel(1, 0), (Colour{0, 0, 0}));
    EXPECT_EQ(picture.Pixel(2, 1), (Colour{11, 0, 0}));

    // Entirely outside: nothing happens.
    const CPixelBuffer before = picture;
    picture.Blit(4, 0, 3, 3, source, 0, 0, CPixelBuffer::kXor);
    picture.Blit(0, 0, 3, 3, source, 3, 0, CPixelBuffer::kXor);
    picture.Blit(0, 0, 0, 3, source, 0, 0, CPixelBuffer::kXor);
    EXPECT_EQ(picture, before);
}

TEST(PixelBufferTest, ResizeGivesABlackPictureAndRefusesNegativeSizes) {
    CPixelBuffer picture = Filled(2, 2, CPixelBuffer::kWhite);
    picture.Resize(3, 1);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 1);
    EXPECT_EQ(picture.Pixel(2, 0), CPixelBuffer::kBlack);
    picture.Resize(-5, 4);
    EXPECT_EQ(picture.Width(), 0);
    picture.Blit(0, 0, 1, 1, Filled(1, 1, CPixelBuffer::kWhite), 0, 0, CPixelBuffer::kCopy);
}
