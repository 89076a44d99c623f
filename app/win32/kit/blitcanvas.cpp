#include "app/win32/kit/blitcanvas.h"

#include "app/win32/kit/dibbitmap.h"

namespace {

DWORD RopOf(CPixelBuffer::RasterOp op) {
    switch (op) {
        case CPixelBuffer::kCopy:
            return SRCCOPY;
        case CPixelBuffer::kAnd:
            return SRCAND;
        case CPixelBuffer::kOr:
            return SRCPAINT;
        case CPixelBuffer::kXor:
            return SRCINVERT;
    }
    return SRCCOPY;
}

}  // namespace

CBlitCanvas::CBlitCanvas(int width, int height) : m_width(width), m_height(height) {
    m_dc = CreateCompatibleDC(nullptr);
    m_sourceDc = CreateCompatibleDC(nullptr);
    m_bitmap = CDibBitmap::Create(width, height, &m_bits);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
}

CBlitCanvas::~CBlitCanvas() {
    if (m_oldSource) SelectObject(m_sourceDc, m_oldSource);
    SelectObject(m_dc, m_oldBitmap);
    for (HBITMAP picture : m_pictures)
        if (picture) DeleteObject(picture);
    if (m_bitmap) DeleteObject(m_bitmap);
    DeleteDC(m_sourceDc);
    DeleteDC(m_dc);
}

int CBlitCanvas::AddPicture(const CPixelBuffer& picture) {
    m_pictures.push_back(CDibBitmap::FromPixels(picture));
    return static_cast<int>(m_pictures.size()) - 1;
}

void CBlitCanvas::Clear() {
    const RECT all = {0, 0, m_width, m_height};
    ::FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void CBlitCanvas::Fill(int x, int y, int width, int height, CPixelBuffer::Colour colour) {
    const RECT area = {x, y, x + width, y + height};
    const HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
    ::FillRect(m_dc, &area, brush);
    DeleteObject(brush);
}

void CBlitCanvas::Blit(int picture, int x, int y, int width, int height, CPixelBuffer::RasterOp op) {
    const HGDIOBJ old = SelectObject(m_sourceDc, m_pictures[static_cast<size_t>(picture)]);
    // The source DC's own bitmap is given back when the canvas goes.
    if (!m_oldSource) m_oldSource = old;
    BitBlt(m_dc, x, y, width, height, m_sourceDc, 0, 0, RopOf(op));
}

CPixelBuffer CBlitCanvas::Pixels() const {
    GdiFlush();
    return CDibBitmap::Pixels(m_bits, m_width, m_height);
}
