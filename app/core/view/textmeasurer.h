// How high and how wide a text comes out on the device it will be drawn on,
// in the device's font; the notation layout asks it, so the layout itself
// needs no device.
#pragma once

class CTextMeasurer {
public:
    virtual ~CTextMeasurer() = default;
    virtual int TextHeight(const char* text) = 0;
    virtual int TextWidth(const char* text) = 0;
};
