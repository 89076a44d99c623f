// Text on a device context in the system's GUI font, sized in points for
// the DC's LOGPIXELSY (a printer's, or a metafile's with a printer behind
// it) or for the scale of the monitor a window is on, in the DC's text colour on a transparent background,
// each text placed by its top-left corner from an origin of its own.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/view/notationsurface.h"

class CGdiTextSurface : public INotationSurface {
public:
    // Writes with (0, 0) at (left, top), in the DC's logical units; the DC
    // gets its own font and drawing modes back when this goes. Points are
    // for dpi; 0 takes the DC's own.
    CGdiTextSurface(HDC dc, int left, int top, int dpi = 0);
    ~CGdiTextSurface() override;
    CGdiTextSurface(const CGdiTextSurface&) = delete;
    CGdiTextSurface& operator=(const CGdiTextSurface&) = delete;

    int TextHeight(const char* text) override { return Extent(text).cy; }
    int TextWidth(const char* text) override { return Extent(text).cx; }
    void SetFontPoints(int points) override;
    void WriteText(int x, int y, const char* text) override;

private:
    SIZE Extent(const char* text);

    HDC m_dc;
    int m_left;
    int m_top;
    int m_dpi;
    LOGFONTW m_face = {};
    HGDIOBJ m_oldFont = nullptr;
    HFONT m_font = nullptr;
    int m_oldMode = 0;
    UINT m_oldAlign = 0;
};
