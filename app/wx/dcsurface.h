// A device of the wx program as the view's controller draws on it: the
// notation in the GUI font sized in points, and the board picture built off
// screen and stretched over a window's client area in one copy.
#pragma once

#include <wx/dc.h>
#include <wx/font.h>

#include "app/core/view/viewsurface.h"

class CBoardPicture;
class wxWindow;

class CDcSurface : public IViewSurface {
public:
    // Paper: text only.
    explicit CDcSurface(wxDC& dc);
    // A window's paint; without a picture (its bitmaps failed) no board is drawn.
    CDcSurface(wxDC& dc, wxWindow& window, CBoardPicture* picture);

    int TextHeight(const char* text) override { return m_dc.GetTextExtent(wxString::FromUTF8(text)).GetHeight(); }
    int TextWidth(const char* text) override { return m_dc.GetTextExtent(wxString::FromUTF8(text)).GetWidth(); }
    void SetFontPoints(int points) override;
    void WriteText(int x, int y, const char* text) override { m_dc.DrawText(wxString::FromUTF8(text), x, y); }
    int Width() override;
    int Height() override;
    bool DrawBoard(const CGameFacade& facade, const CSquarePicker& picker, const CBoardCursor& cursor) override;

private:
    wxDC& m_dc;
    wxWindow* m_window = nullptr;
    CBoardPicture* m_picture = nullptr;
    wxFont m_font;
};
