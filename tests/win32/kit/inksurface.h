// A white memory bitmap to draw on in the tests, and where on it something
// was drawn.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <utility>
#include <vector>

#include "app/core/picture/pixelbuffer.h"
#include "app/win32/kit/dibbitmap.h"

class CInkSurface {
public:
    // The box around all pixels unlike the background; empty (right <
    // left) when there are none.
    struct Box {
        int left, top, right, bottom;
        bool Empty() const { return right < left; }
    };

    CInkSurface(int width, int height) : m_width(width), m_height(height) {
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CDibBitmap::Create(width, height, &m_bits);
        m_old = SelectObject(m_dc, m_bitmap);
        const RECT all = {0, 0, width, height};
        FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~CInkSurface() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    CInkSurface(const CInkSurface&) = delete;
    CInkSurface& operator=(const CInkSurface&) = delete;

    HDC Dc() const { return m_dc; }
    CPixelBuffer Pixels() const {
        GdiFlush();
        return CDibBitmap::Pixels(m_bits, m_width, m_height);
    }

    // Within [left, right) x [top, bottom).
    static Box InkBox(const CPixelBuffer& pixels, CPixelBuffer::Colour background, int left, int top, int right,
                      int bottom) {
        Box box = {right, bottom, left - 1, top - 1};
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (pixels.Pixel(x, y) != background) {
                    if (x < box.left) box.left = x;
                    if (x > box.right) box.right = x;
                    if (y < box.top) box.top = y;
                    if (y > box.bottom) box.bottom = y;
                }
        if (box.right < box.left) return {0, 0, -1, -1};
        return box;
    }
    Box InkBox() const {
        return InkBox(Pixels(), CPixelBuffer::kWhite, 0, 0, m_width, m_height);
    }

    // The runs of rows with ink in them, top and bottom row of each: one a
    // line of text.
    std::vector<std::pair<int, int>> InkRows() const {
        const CPixelBuffer pixels = Pixels();
        std::vector<std::pair<int, int>> rows;
        bool inRun = false;
        for (int y = 0; y < m_height; ++y) {
            bool ink = false;
            for (int x = 0; x < m_width && !ink; ++x) ink = pixels.Pixel(x, y) != CPixelBuffer::kWhite;
            if (ink && !inRun) rows.push_back({y, y});
            if (ink) rows.back().second = y;
            inRun = ink;
        }
        return rows;
    }

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    void* m_bits = nullptr;
};
