// Writes a pixel buffer as a PNG file, uncompressed inside, so that a board
// picture can be looked at without any image library.
#pragma once

#include "app/core/picture/pixelbuffer.h"

class CPngFile {
public:
    // True when the whole file was written.
    static bool Write(const CPixelBuffer& picture, const char* path);
};
