#include "app/wx/dcsurface.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/settings.h>
#include <wx/window.h>

#include "app/core/picture/boardpicture.h"
#include "app/core/access/boardcursor.h"
#include "app/core/picture/squarepicker.h"

CDcSurface::CDcSurface(wxDC& dc) : m_dc(dc), m_font(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)) {}

CDcSurface::CDcSurface(wxDC& dc, wxWindow& window, CBoardPicture* picture) : CDcSurface(dc) {
    m_window = &window;
    m_picture = picture;
}

void CDcSurface::SetFontPoints(int points) {
    m_font.SetPointSize(points);
    m_dc.SetFont(m_font);
}

int CDcSurface::Width() { return m_window ? m_window->GetClientSize().GetWidth() : 0; }

int CDcSurface::Height() { return m_window ? m_window->GetClientSize().GetHeight() : 0; }

bool CDcSurface::DrawBoard(const CGameFacade& facade, const CSquarePicker& picker, const CBoardCursor& cursor) {
    if (!m_picture || !m_window) return false;
    m_picture->Build(facade, picker.IsFlipped(), picker.HasSelection(), picker.SelColumn(), picker.SelRow());
    if (cursor.Shown()) m_picture->DrawCursor(cursor.Column(), cursor.Row());
    const CPixelBuffer& picture = m_picture->Picture();
    // The picture's rows are wxImage's layout; the image only borrows them.
    wxImage image(picture.Width(), picture.Height(), const_cast<unsigned char*>(picture.Data()), true);
    wxBitmap bitmap(image);
    wxMemoryDC source(bitmap);
    m_dc.StretchBlit(0, 0, Width(), Height(), &source, 0, 0, picture.Width(), picture.Height(), wxCOPY);
    return true;
}
