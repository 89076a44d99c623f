#include "app/core/picture/pixelbuffer.h"

#include <algorithm>

void CPixelBuffer::Resize(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign(static_cast<size_t>(m_width) * m_height * kChannels, 0);
}

CPixelBuffer::Colour CPixelBuffer::Pixel(int x, int y) const {
    const uint8_t* p = &m_pixels[(static_cast<size_t>(y) * m_width + x) * kChannels];
    return {p[0], p[1], p[2]};
}

void CPixelBuffer::SetPixel(int x, int y, Colour colour) {
    uint8_t* p = &m_pixels[(static_cast<size_t>(y) * m_width + x) * kChannels];
    p[0] = colour.red;
    p[1] = colour.green;
    p[2] = colour.blue;
}

void CPixelBuffer::Fill(Colour colour) {
    for (size_t i = 0; i < m_pixels.size(); i += kChannels) {
        m_pixels[i] = colour.red;
        m_pixels[i + 1] = colour.green;
        m_pixels[i + 2] = colour.blue;
    }
}

void CPixelBuffer::Blit(int x, int y, int width, int height, const CPixelBuffer& source,
                        int sourceX, int sourceY, RasterOp op) {
    // Clip against the destination and the source alike, moving both corners together.
    if (x < 0) { width += x; sourceX -= x; x = 0; }
    if (y < 0) { height += y; sourceY -= y; y = 0; }
    if (sourceX < 0) { width += sourceX; x -= sourceX; sourceX = 0; }
    if (sourceY < 0) { height += sourceY; y -= sourceY; sourceY = 0; }
    width = std::min({width, m_width - x, source.m_width - sourceX});
    height = std::min({height, m_height - y, source.m_height - sourceY});
    if (width <= 0 || height <= 0) return;

    const size_t rowBytes = static_cast<size_t>(width) * kChannels;
    for (int row = 0; row < height; ++row) {
        uint8_t* to = &m_pixels[(static_cast<size_t>(y + row) * m_width + x) * kChannels];
        const uint8_t* from =
            &source.m_pixels[(static_cast<size_t>(sourceY + row) * source.m_width + sourceX) * kChannels];
        switch (op) {
            case kCopy: std::copy(from, from + rowBytes, to); break;
            case kAnd: for (size_t i = 0; i < rowBytes; ++i) to[i] &= from[i]; break;
            case kOr: for (size_t i = 0; i < rowBytes; ++i) to[i] |= from[i]; break;
            case kXor: for (size_t i = 0; i < rowBytes; ++i) to[i] ^= from[i]; break;
        }
    }
}
