#include "app/core/picture/bmpreader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Colour = CPixelBuffer::Colour;

void Put16(Bytes& b, size_t at, uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// A bitmap file as a Windows program writes it; rows are given top first as
// palette indices (bits <= 8) or packed 0xRRGGBB values (24 and 32 bits).
Bytes MakeBmp(int width, const std::vector<std::vector<uint32_t>>& rows, int bits,
              const std::vector<Colour>& palette = {}, bool topDown = false) {
    const int height = static_cast<int>(rows.size());
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    const size_t offset = 14 + 40 + palette.size() * 4;
    Bytes b(offset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, static_cast<uint32_t>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<uint32_t>(width));
    Put32(b, 22, static_cast<uint32_t>(topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<uint32_t>(bits));
    Put32(b, 46, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        b[54 + i * 4] = palette[i].blue;
        b[54 + i * 4 + 1] = palette[i].green;
        b[54 + i * 4 + 2] = palette[i].red;
    }
    for (int r = 0; r < height; ++r) {
        uint8_t* line = &b[offset + stride * (topDown ? r : height - 1 - r)];
        for (int x = 0; x < width; ++x) {
            const uint32_t v = rows[r][x];
            if (bits >= 24) {
                uint8_t* p = line + x * (bits / 8);
                p[0] = v & 0xFF;
                p[1] = (v >> 8) & 0xFF;
                p[2] = (v >> 16) & 0xFF;
            } else {
                const int perByte = 8 / bits;
                line[x / perByte] |= v << (8 - bits - (x % perByte) * bits);
            }
        }
    }
    return b;
}

const char* Read(const Bytes& b, CPixelBuffer* out) { return CBmpReader::Read(b.data(), b.size(), out); }

const std::vector<Colour> kPalette = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 0, 255}, {1, 2, 3}};

}  // namespace

TEST(BmpReaderTest, ReadsEveryPixelDepthWithRowsFromTheTop) {
    // Three pixels a row so that the rows need padding at every depth.
    const std::vector<std::vector<uint32_t>> indices = {{0, 1, 0}, {1, 0, 1}};
    const struct {
        int bits;
        std::vector<std::vector<uint32_t>> rows;
        std::vector<Colour> palette;
        bool topDown;
    } cases[] = {
        {1, indices, {kPalette[0], kPalette[1]}, false},
        {4, {{2, 4, 0}, {3, 1, 2}}, kPalette, false},
        {8, {{2, 4, 0}, {3, 1, 2}}, kPalette, true},
        {24, {{0xFF0000, 0x010203, 0}, {0x0000FF, 0xFFFFFF, 0xFF0000}}, {}, false},
        {32, {{0xFF0000, 0x010203, 0}, {0x0000FF, 0xFFFFFF, 0xFF0000}}, {}, true},
    };
    for (const auto& c : cases) {
        CPixelBuffer picture;
        ASSERT_STREQ(Read(MakeBmp(3, c.rows, c.bits, c.palette, c.topDown), &picture), "") << c.bits;
        ASSERT_EQ(picture.Width(), 3);
        ASSERT_EQ(picture.Height(), 2);
        if (c.bits == 1) {
            EXPECT_EQ(picture.Pixel(1, 0), CPixelBuffer::kWhite);
            EXPECT_EQ(picture.Pixel(1, 1), CPixelBuffer::kBlack);
            EXPECT_EQ(picture.Pixel(2, 1), CPixelBuffer::kWhite);
            continue;
        }
        EXPECT_EQ(picture.Pixel(0, 0), (Colour{255, 0, 0})) << c.bits;
        EXPECT_EQ(picture.Pixel(1, 0), (Colour{1, 2, 3})) << c.bits;
        EXPECT_EQ(picture.Pixel(2, 0), CPixelBuffer::kBlack) << c.bits;
        EXPECT_EQ(picture.Pixel(0, 1), (Colour{0, 0, 255})) << c.bits;
        EXPECT_EQ(picture.Pixel(1, 1), CPixelBuffer::kWhite) << c.bits;
        EXPECT_EQ(picture.Pixel(2, 1), (Colour{255, 0, 0})) << c.bits;
    }
}

TEST(BmpReaderTest, RefusesDamagedOrForeignFilesAndLeavesThePictureAlone) {
    const Bytes good = MakeBmp(2, {{1, 0}, {0, 1}}, 4, kPalette);
    auto with = [&](size_t at, uint32_t value, bool wide) {
        Bytes b = good;
        wide ? Put32(b, at, value) : Put16(b, at, value);
        return b;
    };
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"header only", Bytes(good.begin(), good.begin() + 30)},
        {"pixels cut short", Bytes(good.begin(), good.end() - 1)},
        {"wrong magic", with(0, 'B' | ('X' << 8), false)},
        {"run-length compressed", with(30, 2, true)},
        {"16 bits a pixel", with(28, 16, false)},
        {"two planes", with(26, 2, false)},
        {"zero width", with(18, 0, true)},
        {"zero height", with(22, 0, true)},
        {"huge width", with(18, 100000, true)},
        {"huge top-down height", with(22, static_cast<uint32_t>(-100000), true)},
        {"palette larger than the file", with(46, 200, true)},
        {"palette of 300 colours", with(46, 300, true)},
        {"index outside the palette", with(46, 1, true)},
        {"pixel offset past the end", with(10, 0xFFFFFFF0u, true)},
        {"info header past the end", with(14, 0xFFFFFFF0u, true)},
    };
    for (const auto& c : cases) {
        CPixelBuffer picture(1, 1);
        picture.Fill(CPixelBuffer::kWhite);
        EXPECT_STRNE(Read(c.bytes, &picture), "") << c.what;
        EXPECT_EQ(picture.Width(), 1) << c.what;
        EXPECT_EQ(picture.Pixel(0, 0), CPixelBuffer::kWhite) << c.what;
    }
}
