// The eighteen piece bitmaps, in the order the facade's PieceImage numbers
// them: for each kind its mask, White's picture and Black's picture.
#pragma once

#include "app/core/picture/pixelbuffer.h"

class CPieceBitmaps {
public:
    static constexpr int kCount = 18;
    static constexpr int kSize = 48;
    static const char* const kNames[kCount];

    // Loads all eighteen from the built-in resources: the empty text on
    // success, else the name of the first bitmap that failed and why.
    const char* Load();
    const CPixelBuffer& Bitmap(int index) const { return m_bitmaps[index]; }

private:
    static constexpr int kErrorSize = 100;

    CPixelBuffer m_bitmaps[kCount];
    char m_error[kErrorSize] = "";
};
