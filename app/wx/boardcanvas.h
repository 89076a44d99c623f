// The view's window: passes paints and left clicks to the view. The board
// fills it; the notation scrolls in it when it is longer than the window.
#pragma once

#include <wx/scrolwin.h>

class CTorvoView;

class CBoardCanvas : public wxScrolled<wxWindow> {
public:
    CBoardCanvas(wxWindow* parent, CTorvoView* view);

    // The view is going away: no more paints or clicks reach it.
    void Detach() { m_view = nullptr; }
    // The size of the notation shown, to scroll over; 0 × 0 for the board,
    // which never scrolls.
    void SetScrolledSize(int width, int height);

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnSize(wxSizeEvent& event);
    void WriteGeometry();

    CTorvoView* m_view;
    wxSize m_scrolledSize;
};
