// The view's window: its paints go to the view, its left clicks to the
// view's controller. The board fills it; the notation scrolls in it when it
// is longer than the window. The board's own keys go to the controller too.
#pragma once

#include <wx/scrolwin.h>

#include "app/core/view/wheelscroll.h"
#include "app/wx/boardaccessible.h"

class CViewController;
class wxView;

class CBoardCanvas : public wxScrolled<wxWindow> {
public:
    CBoardCanvas(wxWindow* parent, wxView* view, CViewController* controller);

    // The view is going away: no more paints or clicks reach it.
    void Detach() {
        m_accessible.Detach();
        m_view = nullptr;
        m_controller = nullptr;
    }
    // The size of the notation shown, to scroll over; 0 × 0 for the board,
    // which never scrolls.
    void SetScrolledSize(int width, int height);
    // A press of the left button at a point in the canvas's client
    // coordinates, here or on the frame around it.
    void Click(const wxMouseEvent& event, const wxPoint& point);

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void KeepSmallestBoard();
    void WriteGeometry();

    wxDECLARE_EVENT_TABLE();

    wxView* m_view;
    CViewController* m_controller;
    wxSize m_scrolledSize;
    CWheelScroll m_wheel;
    // Declared last: it leaves the board's access before the rest goes.
    CBoardAccessible m_accessible;
};
