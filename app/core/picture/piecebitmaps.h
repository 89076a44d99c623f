// The eighteen piece bitmaps, in the order PieceImage numbers them: for each
// kind its mask, White's picture and Black's picture.
#pragma once

#include <cstdint>

#include "app/core/picture/pixelbuffer.h"

class CPieceBitmaps {
public:
    static constexpr int kCount = 18;
    static constexpr int kSize = 48;
    static const char* const kNames[kCount];
    static constexpr int kEmptyPicture = -1;
    static constexpr int kEmptyMask = 0;

    // The bitmap numbers of a piece code's picture and mask; kEmptyPicture
    // and kEmptyMask for an empty square.
    static void PieceImage(uint8_t code, int* picture, int* mask);

    // Loads all eighteen from the built-in resources: the empty text on
    // success, else the name of the first bitmap that failed and why.
    const char* Load();
    const CPixelBuffer& Bitmap(int index) const { return m_bitmaps[index]; }

private:
    static constexpr int kErrorSize = 100;

    CPixelBuffer m_bitmaps[kCount];
    char m_error[kErrorSize] = "";
};
