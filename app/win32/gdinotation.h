// The game's PGN text drawn with GDI, as the view shows it in notation mode
// and as it goes on paper: CNotationLayout's lines in the system's GUI font,
// sized so that the longest line fills the width.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/view/notationlayout.h"

class CGameFacade;

class CGdiNotation {
public:
    // Draws with the text's corner at (left, top), in the DC's logical
    // units, with the font in points for its LOGPIXELSY (a window's DC, a
    // printer's or a metafile's with a printer behind it), in the DC's text
    // colour on a transparent background. Brings the facade's Result tag up
    // to date. The area the text took, margins included.
    static CNotationLayout::Extent Draw(HDC dc, CGameFacade& facade, int left, int top, int width);
    // The view's notation mode: from the client area's corner.
    static CNotationLayout::Extent Draw(HDC dc, CGameFacade& facade, int width) {
        return Draw(dc, facade, 0, 0, width);
    }
};
