#include "app/win32/kit/gditextsurface.h"

#include <string>

#include "app/win32/kit/widetext.h"

namespace {

constexpr int kPointsPerInch = 72;

}  // namespace

CGdiTextSurface::CGdiTextSurface(HDC dc, int left, int top, int dpi)
    : m_dc(dc), m_left(left), m_top(top), m_dpi(dpi > 0 ? dpi : GetDeviceCaps(dc, LOGPIXELSY)) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof m_face, &m_face);
    m_oldFont = GetCurrentObject(dc, OBJ_FONT);
    m_oldMode = SetBkMode(dc, TRANSPARENT);
    m_oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

CGdiTextSurface::~CGdiTextSurface() {
    SetTextAlign(m_dc, m_oldAlign);
    SetBkMode(m_dc, m_oldMode);
    SelectObject(m_dc, m_oldFont);
    if (m_font) DeleteObject(m_font);
}

SIZE CGdiTextSurface::Extent(const char* text) {
    const std::wstring wide = CWideText::Wide(text);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void CGdiTextSurface::SetFontPoints(int points) {
    LOGFONTW font = m_face;
    // Negative: the character height, without the internal leading, as
    // points are meant.
    font.lfHeight = -MulDiv(points, m_dpi, kPointsPerInch);
    font.lfWidth = 0;
    HFONT sized = CreateFontIndirectW(&font);
    SelectObject(m_dc, sized);
    if (m_font) DeleteObject(m_font);
    m_font = sized;
}

void CGdiTextSurface::WriteText(int x, int y, const char* text) {
    const std::wstring wide = CWideText::Wide(text);
    TextOutW(m_dc, m_left + x, m_top + y, wide.c_str(), static_cast<int>(wide.size()));
}
