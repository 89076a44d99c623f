#include "app/core/picture/bmpreader.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;
constexpr int kMaxPaletteColours = 256;

constexpr const char* kNotBitmapText = "not a bitmap file";
constexpr const char* kTruncatedText = "bitmap file is cut short";
constexpr const char* kUnsupportedText = "bitmap format not supported";
constexpr const char* kSizeText = "bitmap size out of range";
constexpr const char* kPaletteText = "bitmap colour index outside its palette";

uint32_t U16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

const char* CBmpReader::Read(const uint8_t* data, size_t size, CPixelBuffer* out) {
    if (size < kFileHeaderSize + kInfoHeaderSize) return kTruncatedText;
    if (data[0] != 'B' || data[1] != 'M') return kNotBitmapText;
    const uint32_t pixelOffset = U32(data + 10);
    const uint8_t* info = data + kFileHeaderSize;
    const uint32_t infoSize = U32(info);
    const int32_t width = static_cast<int32_t>(U32(info + 4));
    const int32_t signedHeight = static_cast<int32_t>(U32(info + 8));
    const uint32_t planes = U16(info + 12);
    const uint32_t bits = U16(info + 14);
    const uint32_t compression = U32(info + 16);
    uint32_t colours = U32(info + 32);

    if (infoSize < kInfoHeaderSize || infoSize > size - kFileHeaderSize) return kTruncatedText;
    if (planes != 1 || compression != kUncompressed) return kUnsupportedText;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return kUnsupportedText;
    // A negative height means the rows are stored from the top.
    const bool topDown = signedHeight < 0;
    if (width <= 0 || signedHeight == 0 || width > kMaxSide || signedHeight < -kMaxSide ||
        signedHeight > kMaxSide)
        return kSizeText;
    const int height = std::abs(signedHeight);

    const uint8_t* palette = info + infoSize;
    if (bits <= 8) {
        if (colours == 0) colours = 1u << bits;
        if (colours > static_cast<uint32_t>(kMaxPaletteColours)) return kUnsupportedText;
        if (kFileHeaderSize + infoSize + colours * 4 > size) return kTruncatedText;
    }

    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    if (pixelOffset > size || stride * height > size - pixelOffset) return kTruncatedText;

    CPixelBuffer picture(width, height);
    for (int row = 0; row < height; ++row) {
        const uint8_t* line = data + pixelOffset + stride * (topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            CPixelBuffer::Colour colour;
            if (bits >= 24) {
                const uint8_t* p = line + static_cast<size_t>(x) * (bits / 8);
                colour = {p[2], p[1], p[0]};
            } else {
                const int perByte = 8 / bits;
                const int shift = 8 - bits - (x % perByte) * bits;
                const uint32_t index = (line[x / perByte] >> shift) & ((1u << bits) - 1);
                if (index >= colours) return kPaletteText;
                const uint8_t* p = palette + index * 4;
                colour = {p[2], p[1], p[0]};
            }
            picture.SetPixel(x, row, colour);
        }
    }
    *out = std::move(picture);
    return "";
}
