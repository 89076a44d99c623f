// Pictures drawn for a screen at 96 dpi, shown at a monitor's scale: grown
// by repeating pixels (COLORONCOLOR), so that they gain no colour between
// two of their own and stay sharp.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CScaledBitmap {
public:
    // A new bitmap of width x height from the bitmap; null when GDI refuses.
    static HBITMAP Stretched(HBITMAP bitmap, int width, int height);
    // A new bitmap at dpi's scale; null when the size stays as it is or GDI
    // refuses.
    static HBITMAP ForDpi(HBITMAP bitmap, int dpi);
};
