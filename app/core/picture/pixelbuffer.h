// An RGB picture in memory, eight bits a channel, with the four raster
// operations the board is put together from.
#pragma once

#include <cstdint>
#include <vector>

class CPixelBuffer {
public:
    struct Colour {
        uint8_t red;
        uint8_t green;
        uint8_t blue;
        bool operator==(const Colour& other) const {
            return red == other.red && green == other.green && blue == other.blue;
        }
        bool operator!=(const Colour& other) const { return !(*this == other); }
    };

    static constexpr Colour kBlack = {0, 0, 0};
    static constexpr Colour kWhite = {255, 255, 255};
    static constexpr int kChannels = 3;

    // Per channel, as a blit with source copy, and, or (paint) and invert does it.
    enum RasterOp { kCopy, kAnd, kOr, kXor };

    CPixelBuffer() = default;
    CPixelBuffer(int width, int height) { Resize(width, height); }

    // New size, all black; sizes below 0 count as 0.
    void Resize(int width, int height);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Rows from the top, each pixel red, green, blue; no padding.
    const uint8_t* Data() const { return m_pixels.data(); }

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour colour);
    void Fill(Colour colour);
    // Combines the source rectangle into this picture at (x, y); the parts
    // outside either picture are left out.
    void Blit(int x, int y, int width, int height, const CPixelBuffer& source, int sourceX,
              int sourceY, RasterOp op);

    bool operator==(const CPixelBuffer& other) const {
        return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_pixels;
};
