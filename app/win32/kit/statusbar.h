// A status bar control at the foot of a window, with a size grip: panes of
// given widths (one of them taking the rest), UTF-8 texts, and where a pane
// lies on the screen, in the font and sizes of the monitor's scale.
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

    CStatusBar() = default;
    ~CStatusBar();
    CStatusBar(const CStatusBar&) = delete;
    CStatusBar& operator=(const CStatusBar&) = delete;

    // The bar as a child of parent, with the child window id `id`, at the
    // parent's scale.
    bool Create(HWND parent, int id);
    // Takes the system's status font and grip for a screen of dpi.
    void SetDpi(int dpi);
    HWND Hwnd() const { return m_bar; }

    bool IsShown() const { return m_bar && IsWindowVisible(m_bar); }
    void SetShown(bool shown);
    // The text's width in the bar's font.
    int TextWidth(const char* text) const;
    // The size grip's room at the bar's right end, at dpi (0: the system's).
    static int GripWidth(int dpi = 0);
    int OwnGripWidth() const { return GripWidth(m_dpi); }

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
    int m_dpi = 0;
    HFONT m_font = nullptr;
};
