// One paint of the Windows program's view: the board built with GDI's
// raster operations and stretched over the client area in one copy, or the
// notation's text, scrolled.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/view/viewsurface.h"
#include "app/win32/kit/gditextsurface.h"

class CGdiBoard;

class CGdiSurface : public IViewSurface {
public:
    // The client area as the paint began; the text is drawn scrollY higher.
    // Without a board (its bitmaps failed) none is drawn. The text's points
    // are for dpi, the scale of the view's monitor.
    CGdiSurface(HDC dc, const RECT& client, CGdiBoard* board, int scrollY, int dpi);

    int TextHeight(const char* text) override { return m_text.TextHeight(text); }
    int TextWidth(const char* text) override { return m_text.TextWidth(text); }
    void SetFontPoints(int points) override { m_text.SetFontPoints(points); }
    void WriteText(int x, int y, const char* text) override { m_text.WriteText(x, y, text); }
    int Width() override { return m_client.right; }
    int Height() override { return m_client.bottom; }
    bool DrawBoard(const CGameFacade& facade, const CSquarePicker& picker, const CBoardCursor& cursor) override;

private:
    HDC m_dc;
    RECT m_client;
    CGdiBoard* m_board;
    CGdiTextSurface m_text;
};
