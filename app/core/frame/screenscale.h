// Sizes written in pixels of a screen at 96 dots per inch (100 %), taken to
// a monitor's own scale, so that bars, margins and pictures keep their size
// on a screen at 150 % or 200 % instead of shrinking or being blurred by the
// system's stretching.
#pragma once

class CScreenScale {
public:
    // The screen the sizes are written for.
    static constexpr int kBaseDpi = 96;

    // basePixels at 96 dpi on a screen of dpi, to the nearest pixel (halves
    // away from zero); a dpi that is unknown (0 or less) counts as 96.
    static int Pixels(int basePixels, int dpi);
};
