#include "app/win32/gdiboard.h"

#include <cstdint>

#include "app/core/boardgeometry.h"
#include "app/core/boardpicture.h"
#include "rules/gamefacade.h"

namespace {

constexpr int kBitsPerPixel = 24;
// The frame is drawn one pixel outside the picture, so only its white fill shows.
constexpr int kFrameFirst = -1;
constexpr int kFrameLast = CBoardGeometry::kPictureSize + 2;

int Stride(int width) { return (width * CPixelBuffer::kChannels + 3) & ~3; }

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

HBITMAP CGdiBoard::MakeBitmap(int width, int height, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

CGdiBoard::CGdiBoard(const CPieceBitmaps& bitmaps) {
    m_boardDc = CreateCompatibleDC(nullptr);
    m_pieceDc = CreateCompatibleDC(nullptr);
    m_board = MakeBitmap(CBoardGeometry::kPictureSize, CBoardGeometry::kPictureSize, &m_boardBits);
    m_oldBoard = SelectObject(m_boardDc, m_board);
    for (int i = 0; i < CPieceBitmaps::kCount; ++i) {
        const CPixelBuffer& source = bitmaps.Bitmap(i);
        void* bits = nullptr;
        m_pieces[i] = MakeBitmap(source.Width(), source.Height(), &bits);
        if (!m_pieces[i]) continue;
        // GDI keeps blue, green, red.
        auto* rows = static_cast<uint8_t*>(bits);
        for (int y = 0; y < source.Height(); ++y) {
            for (int x = 0; x < source.Width(); ++x) {
                const CPixelBuffer::Colour colour = source.Pixel(x, y);
                uint8_t* pixel = rows + y * Stride(source.Width()) + x * CPixelBuffer::kChannels;
                pixel[0] = colour.blue;
                pixel[1] = colour.green;
                pixel[2] = colour.red;
            }
        }
    }
    m_oldPiece = SelectObject(m_pieceDc, m_pieces[0]);
}

CGdiBoard::~CGdiBoard() {
    SelectObject(m_pieceDc, m_oldPiece);
    SelectObject(m_boardDc, m_oldBoard);
    for (HBITMAP piece : m_pieces)
        if (piece) DeleteObject(piece);
    if (m_board) DeleteObject(m_board);
    DeleteDC(m_pieceDc);
    DeleteDC(m_boardDc);
}

void CGdiBoard::Build(const CGameFacade& facade, bool flipped, bool hasSelection, int selColumn, int selRow) {
    // The device context's own white brush and black pen.
    Rectangle(m_boardDc, kFrameFirst, kFrameFirst, kFrameLast, kFrameLast);
    CBoardPicture::ForEachSquare(
        facade, flipped, hasSelection, selColumn, selRow,
        [this](int column, int row, int picture, int mask, const CBoardPicture::Recipe& recipe) {
            for (int i = 0; i < recipe.count; ++i) {
                const CBoardPicture::Step& step = recipe.steps[i];
                SelectObject(m_pieceDc, m_pieces[step.source == CBoardPicture::kMask ? mask : picture]);
                BitBlt(m_boardDc, CBoardGeometry::SquareOrigin(column), CBoardGeometry::SquareOrigin(row),
                       CBoardGeometry::kSquareSize, CBoardGeometry::kSquareSize, m_pieceDc, 0, 0, RopOf(step.op));
            }
        });
}

CPixelBuffer CGdiBoard::Pixels() const {
    GdiFlush();
    const int size = CBoardGeometry::kPictureSize;
    CPixelBuffer pixels(size, size);
    const auto* rows = static_cast<const uint8_t*>(m_boardBits);
    for (int y = 0; y < size && rows; ++y) {
        for (int x = 0; x < size; ++x) {
            const uint8_t* pixel = rows + y * Stride(size) + x * CPixelBuffer::kChannels;
            pixels.SetPixel(x, y, {pixel[2], pixel[1], pixel[0]});
        }
    }
    return pixels;
}
