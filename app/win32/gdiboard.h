// The board drawn with GDI's own raster operations, as the Windows program
// paints it: the eighteen piece bitmaps in a memory device context, blitted
// square by square onto a 376 x 376 bitmap by the shared compositing table
// (CBoardPicture::RecipeFor); the window then gets it in one stretched copy.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "app/core/picture/piecebitmaps.h"
#include "app/core/picture/pixelbuffer.h"

class CGameFacade;

class CGdiBoard {
public:
    explicit CGdiBoard(const CPieceBitmaps& bitmaps);
    ~CGdiBoard();
    CGdiBoard(const CGdiBoard&) = delete;
    CGdiBoard& operator=(const CGdiBoard&) = delete;

    // Draws the facade's position; the picked square, if any, is a screen square.
    void Build(const CGameFacade& facade, bool flipped, bool hasSelection, int selColumn, int selRow);
    // The board bitmap's device context, to stretch onto a window.
    HDC Dc() const { return m_boardDc; }
    // The board's pixels in CPixelBuffer's layout.
    CPixelBuffer Pixels() const;

private:
    HDC m_boardDc = nullptr;
    HBITMAP m_board = nullptr;
    HGDIOBJ m_oldBoard = nullptr;
    void* m_boardBits = nullptr;
    HDC m_pieceDc = nullptr;
    HGDIOBJ m_oldPiece = nullptr;
    HBITMAP m_pieces[CPieceBitmaps::kCount] = {};
};
