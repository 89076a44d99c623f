// The eighteen piece bitmaps, in the order PieceImage numbers them: for each
// kind its mask, White's picture and Black's picture.
#pragma once

#include <cstdint>
#include <string>

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

    // What both programs tell, once their window stands, when the pictures
    // failed; the board's area then stays empty, and the notation and the
    // moves by key still work.
    static constexpr const char* kMissingCaption = "Fehler";
    static constexpr const char* kMissingFormat =
        "Die Bilder der Figuren fehlen (%s).\nDas Brett kann nicht gezeigt werden.";

    // Loads all eighteen from the built-in resources: the empty text on
    // success, else the name of the first bitmap that failed and why.
    const char* Load();
    // The box's text for Load's answer; empty when nothing failed.
    static std::string MissingText(const char* loadError);
    const CPixelBuffer& Bitmap(int index) const { return m_bitmaps[index]; }

private:
    static constexpr int kErrorSize = 100;

    CPixelBuffer m_bitmaps[kCount];
    char m_error[kErrorSize] = "";
};
