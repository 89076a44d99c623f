#include "app/win32/kit/dibbitmap.h"

#include <cstdint>

HBITMAP CDibBitmap::Create(int width, int height, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP CDibBitmap::FromPixels(const CPixelBuffer& picture) {
    void* bits = nullptr;
    HBITMAP bitmap = Create(picture.Width(), picture.Height(), &bits);
    if (!bitmap) return nullptr;
    // GDI keeps blue, green, red.
    auto* rows = static_cast<uint8_t*>(bits);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const CPixelBuffer::Colour colour = picture.Pixel(x, y);
            uint8_t* pixel = rows + y * Stride(picture.Width()) + x * CPixelBuffer::kChannels;
            pixel[0] = colour.blue;
            pixel[1] = colour.green;
            pixel[2] = colour.red;
        }
    }
    return bitmap;
}

CPixelBuffer CDibBitmap::Pixels(const void* bits, int width, int height) {
    GdiFlush();
    CPixelBuffer pixels(width, height);
    const auto* rows = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height && rows; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* pixel = rows + y * Stride(width) + x * CPixelBuffer::kChannels;
            pixels.SetPixel(x, y, {pixel[2], pixel[1], pixel[0]});
        }
    }
    return pixels;
}
