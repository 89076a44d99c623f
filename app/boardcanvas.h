// The view's window: passes paints and left clicks to the view.
#pragma once

#include <wx/window.h>

class CTorvoView;

class CBoardCanvas : public wxWindow {
public:
    // Tests name a file here to learn where the board lies on the screen.
    static constexpr const char* kGeometryVariable = "TORVO_CANVAS_FILE";

    CBoardCanvas(wxWindow* parent, CTorvoView* view);

    // The view is going away: no more paints or clicks reach it.
    void Detach() { m_view = nullptr; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnSize(wxSizeEvent& event);
    void WriteGeometry();

    CTorvoView* m_view;
};
