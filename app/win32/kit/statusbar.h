// A status bar control at the foot of a window, with a size grip: panes of
// given widths (one of them taking the rest), UTF-8 texts, and where a pane
// lies on the screen.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <vector>

class CStatusBar {
public:
    // A pane's width that takes what the others leave.
    static constexpr int kRest = -1;

    // The bar as a child of parent, with the child window id `id`.
    bool Create(HWND parent, int id);
    HWND Hwnd() const { return m_bar; }

    bool IsShown() const { return m_bar && IsWindowVisible(m_bar); }
    void SetShown(bool shown);
    // The text's width in the bar's font.
    int TextWidth(const char* text) const;
    // The size grip's room at the bar's right end.
    static int GripWidth() { return GetSystemMetrics(SM_CXVSCROLL); }

    // Follows the parent's width and gives the panes their widths, left to
    // right; the bar's height, none while it is hidden.
    int Fit(const std::vector<int>& widths);
    void SetText(int pane, const char* text);
    // The pane's screen rectangle; the last pane's without the grip's room.
    // False while the bar is hidden or has no such pane.
    bool PaneRect(int pane, RECT* screen) const;

private:
    HWND m_bar = nullptr;
    int m_panes = 0;
};
