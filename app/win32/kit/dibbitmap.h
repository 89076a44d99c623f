// Pictures as GDI bitmaps: top-down 24-bit DIB sections, filled from pixel
// buffers and read back into them.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/picture/pixelbuffer.h"

class CDibBitmap {
public:
    static constexpr int kBitsPerPixel = 24;

    // Bytes a row, as GDI pads rows to whole DWORDs.
    static int Stride(int width) { return (width * CPixelBuffer::kChannels + 3) & ~3; }
    // A new bitmap whose pixels are at *bits; null when GDI refuses it.
    static HBITMAP Create(int width, int height, void** bits);
    static HBITMAP FromPixels(const CPixelBuffer& picture);
    // The bitmap's pixels back, when it is one of ours.
    static CPixelBuffer Pixels(const void* bits, int width, int height);
};
