// A window's own vertical scroll bar over content taller than the window:
// the bar shows only while the content does not fit; lines, pages and the
// thumb move the content's top, which never goes past either end.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CVerticalScroll {
public:
    // line: the pixels one arrow click moves.
    explicit CVerticalScroll(int line) : m_line(line) {}

    // The content's height in pixels, for the window's present size.
    void SetContentHeight(HWND window, int height);
    // A WM_VSCROLL request (SB_LINEUP, SB_PAGEDOWN, SB_THUMBTRACK, ...);
    // true when the top moved, and the window is to be painted anew.
    bool OnScroll(HWND window, int request);
    // Moves the top by `pixels` (negative towards the start); true as OnScroll.
    bool ScrollBy(HWND window, int pixels);
    // The content's top line, in pixels from its start.
    int Position() const { return m_position; }

private:
    // The top at y, kept between the ends; true when it moved.
    bool MoveTo(HWND window, int y);

    int m_line;
    int m_height = 0;
    int m_position = 0;
};
