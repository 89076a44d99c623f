#include "app/win32/gdinotation.h"

#include <string>

#include "app/core/view/textmeasurer.h"
#include "app/win32/widetext.h"

namespace {

constexpr int kPointsPerInch = 72;

// Line sizes as the device that draws them measures them, in its current font.
class CGdiMeasurer : public CTextMeasurer {
public:
    explicit CGdiMeasurer(HDC dc) : m_dc(dc) {}
    int TextHeight(const char* text) override { return Extent(text).cy; }
    int TextWidth(const char* text) override { return Extent(text).cx; }

private:
    SIZE Extent(const char* text) {
        const std::wstring wide = CWideText::Wide(text);
        SIZE size = {0, 0};
        GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return size;
    }

    HDC m_dc;
};

// The GUI font's face at a size in points; selected into the DC while it
// lives, the DC's own font back afterwards.
class CSizedFont {
public:
    explicit CSizedFont(HDC dc) : m_dc(dc) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof m_face, &m_face);
        m_old = GetCurrentObject(dc, OBJ_FONT);
    }
    ~CSizedFont() {
        SelectObject(m_dc, m_old);
        if (m_font) DeleteObject(m_font);
    }
    CSizedFont(const CSizedFont&) = delete;
    CSizedFont& operator=(const CSizedFont&) = delete;

    void Select(int points) {
        LOGFONTW font = m_face;
        // Negative: the character height, without the internal leading, as
        // points are meant.
        font.lfHeight = -MulDiv(points, GetDeviceCaps(m_dc, LOGPIXELSY), kPointsPerInch);
        font.lfWidth = 0;
        HFONT sized = CreateFontIndirectW(&font);
        SelectObject(m_dc, sized);
        if (m_font) DeleteObject(m_font);
        m_font = sized;
    }

private:
    HDC m_dc;
    LOGFONTW m_face = {};
    HGDIOBJ m_old = nullptr;
    HFONT m_font = nullptr;
};

}  // namespace

CNotationLayout::Extent CGdiNotation::Draw(HDC dc, CGameFacade& facade, int left, int top, int width) {
    CGdiMeasurer measurer(dc);
    CSizedFont font(dc);
    CNotationLayout layout;
    // The widths of the lines are asked at several sizes; their places
    // follow from the size found, so they are laid out again at it.
    font.Select(CNotationLayout::kMinPoints);
    layout.Layout(facade, measurer);
    const int points = CNotationLayout::FitPoints(
        [&](int size) {
            font.Select(size);
            return layout.WidestLine(measurer);
        },
        width - CNotationLayout::kLeft);
    font.Select(points);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    for (const CNotationLayout::Draw& draw : layout.Layout(facade, measurer)) {
        const std::wstring wide = CWideText::Wide(draw.text);
        TextOutW(dc, left + draw.x, top + draw.y, wide.c_str(), static_cast<int>(wide.size()));
    }
    SetTextAlign(dc, oldAlign);
    SetBkMode(dc, oldMode);
    return layout.Measure(measurer);
}
