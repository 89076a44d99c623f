// The game's PGN text drawn with GDI, as the view shows it in notation mode
// and as it goes on paper: CNotationLayout::DrawFitted on the kit's text
// surface.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/view/notationlayout.h"

class CGameFacade;

class CGdiNotation {
public:
    // The whole text, fitted to `width`, with its corner at (left, top);
    // brings the facade's Result tag up to date. The area the text took,
    // margins included.
    static CNotationLayout::Extent Draw(HDC dc, CGameFacade& facade, int left, int top, int width);
    // The view's notation mode: from the client area's corner.
    static CNotationLayout::Extent Draw(HDC dc, CGameFacade& facade, int width) {
        return Draw(dc, facade, 0, 0, width);
    }
};
