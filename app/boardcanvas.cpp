#include "app/boardcanvas.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "app/torvoview.h"

CBoardCanvas::CBoardCanvas(wxWindow* parent, CTorvoView* view)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE), m_view(view) {
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    Bind(wxEVT_PAINT, &CBoardCanvas::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CBoardCanvas::OnLeftDown, this);
    Bind(wxEVT_SIZE, &CBoardCanvas::OnSize, this);
}

void CBoardCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_view) m_view->OnDraw(&dc);
}

void CBoardCanvas::OnLeftDown(wxMouseEvent& event) {
    SetFocus();
    if (m_view) m_view->OnBoardClick(CTorvoView::ClickFlags(event), event.GetX(), event.GetY());
}

void CBoardCanvas::OnSize(wxSizeEvent& event) {
    // The board is stretched anew to any size.
    Refresh(false);
    event.Skip();
}
