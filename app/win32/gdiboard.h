// The board drawn with GDI's own raster operations, as the Windows program
// paints it: the eighteen piece bitmaps blitted square by square onto a
// 376 x 376 canvas by the shared compositing table (CBoardPicture::RecipeFor);
// the window then gets it in one stretched copy.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/picture/piecebitmaps.h"
#include "app/core/picture/pixelbuffer.h"
#include "app/win32/kit/blitcanvas.h"

class CGameFacade;

class CGdiBoard {
public:
    explicit CGdiBoard(const CPieceBitmaps& bitmaps);

    // Draws the facade's position; the picked square, if any, is a screen square.
    void Build(const CGameFacade& facade, bool flipped, bool hasSelection, int selColumn, int selRow);
    // The keyboard's cursor over the board as built.
    void DrawCursor(int column, int row);
    // The board bitmap's device context, to stretch onto a window.
    HDC Dc() const { return m_canvas.Dc(); }
    // The board's pixels in CPixelBuffer's layout.
    CPixelBuffer Pixels() const { return m_canvas.Pixels(); }

private:
    CBlitCanvas m_canvas;
};
