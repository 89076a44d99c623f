// Reads an uncompressed Windows bitmap file (1, 4, 8, 24 or 32 bits a pixel)
// from memory into a pixel buffer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/core/picture/pixelbuffer.h"

class CBmpReader {
public:
    // Larger pictures are refused rather than allocated.
    static constexpr int kMaxSide = 4096;

    // The empty text on success; otherwise what is wrong, and out is left alone.
    static const char* Read(const uint8_t* data, size_t size, CPixelBuffer* out);
};
