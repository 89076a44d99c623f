#include "app/win32/kit/scaledbitmap.h"

#include "app/core/frame/screenscale.h"

HBITMAP CScaledBitmap::Stretched(HBITMAP bitmap, int width, int height) {
    BITMAP info;
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (scaled) {
        HGDIOBJ oldFrom = SelectObject(from, bitmap);
        HGDIOBJ oldTo = SelectObject(to, scaled);
        SetStretchBltMode(to, COLORONCOLOR);
        StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(to, oldTo);
        SelectObject(from, oldFrom);
    }
    DeleteDC(to);
    DeleteDC(from);
    return scaled;
}

HBITMAP CScaledBitmap::ForDpi(HBITMAP bitmap, int dpi) {
    BITMAP info;
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return nullptr;
    const int width = CScreenScale::Pixels(info.bmWidth, dpi), height = CScreenScale::Pixels(info.bmHeight, dpi);
    if (width == info.bmWidth && height == info.bmHeight) return nullptr;
    return Stretched(bitmap, width, height);
}
