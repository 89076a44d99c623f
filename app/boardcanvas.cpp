#include "app/boardcanvas.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include <wx/ffile.h>
#include <wx/utils.h>

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
    WriteGeometry();
}

void CBoardCanvas::WriteGeometry() {
    wxString path;
    if (!wxGetEnv(kGeometryVariable, &path) || path.empty()) return;
    const wxPoint origin = ClientToScreen(wxPoint(0, 0));
    const wxSize size = GetClientSize();
    wxFFile file(path, "w");
    if (file.IsOpened())
        file.Write(wxString::Format("%d %d %d %d\n", origin.x, origin.y, size.GetWidth(), size.GetHeight()));
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
