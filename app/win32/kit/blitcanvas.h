// A picture composed with GDI's own raster operations: a bitmap of ours in
// a memory device context, and source pictures blitted onto it one at a
// time with copy, and, or or xor.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

#include "app/core/picture/pixelbuffer.h"

class CBlitCanvas {
public:
    CBlitCanvas(int width, int height);
    ~CBlitCanvas();
    CBlitCanvas(const CBlitCanvas&) = delete;
    CBlitCanvas& operator=(const CBlitCanvas&) = delete;

    // A source picture; its number for Blit, counted from 0.
    int AddPicture(const CPixelBuffer& picture);
    // All white.
    void Clear();
    void Fill(int x, int y, int width, int height, CPixelBuffer::Colour colour);
    // The source picture's top-left width x height at (x, y).
    void Blit(int picture, int x, int y, int width, int height, CPixelBuffer::RasterOp op);

    // The canvas's device context, to copy or stretch onto a window.
    HDC Dc() const { return m_dc; }
    CPixelBuffer Pixels() const;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    void* m_bits = nullptr;
    HDC m_sourceDc = nullptr;
    HGDIOBJ m_oldSource = nullptr;
    std::vector<HBITMAP> m_pictures;
};
