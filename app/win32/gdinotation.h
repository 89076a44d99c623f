// The game's PGN text drawn with GDI, as the view shows it in notation mode
// and as it goes on paper: a surface for CNotationLayout::DrawFitted in the
// system's GUI font, sized in points for the DC's LOGPIXELSY (a window's DC,
// a printer's or a metafile's with a printer behind it), in the DC's text
// colour on a transparent background.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/view/notationlayout.h"
#include "app/core/view/notationsurface.h"

class CGameFacade;

class CGdiNotation : public INotationSurface {
public:
    // Draws with the text's corner at (left, top), in the DC's logical units;
    // the DC gets its own font and drawing modes back when this goes.
    CGdiNotation(HDC dc, int left, int top);
    ~CGdiNotation() override;
    CGdiNotation(const CGdiNotation&) = delete;
    CGdiNotation& operator=(const CGdiNotation&) = delete;

    int TextHeight(const char* text) override { return Extent(text).cy; }
    int TextWidth(const char* text) override { return Extent(text).cx; }
    void SetFontPoints(int points) override;
    void WriteText(int x, int y, const char* text) override;

    // The whole text, fitted to `width`; brings the facade's Result tag up to
    // date. The area the text took, margins included.
    static CNotationLayout::Extent Draw(HDC dc, CGameFacade& facade, int left, int top, int width);
    // The view's notation mode: from the client area's corner.
    static CNotationLayout::Extent Draw(HDC dc, CGameFacade& facade, int width) {
        return Draw(dc, facade, 0, 0, width);
    }

private:
    SIZE Extent(const char* text);

    HDC m_dc;
    int m_left;
    int m_top;
    LOGFONTW m_face = {};
    HGDIOBJ m_oldFont = nullptr;
    HFONT m_font = nullptr;
    int m_oldMode = 0;
    UINT m_oldAlign = 0;
};
