// A device the notation is drawn on, the screen or paper: it measures texts
// in its current font, takes the font's size in points and writes a text
// with its top-left corner at a point.
#pragma once

#include "app/core/view/textmeasurer.h"

class INotationSurface : public CTextMeasurer {
public:
    virtual void SetFontPoints(int points) = 0;
    virtual void WriteText(int x, int y, const char* text) = 0;
};
