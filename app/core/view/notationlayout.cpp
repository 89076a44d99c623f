#include "app/core/view/notationlayout.h"

#include "app/core/picture/notationlines.h"
#include "app/core/view/notationsurface.h"
#include "app/core/view/textmeasurer.h"

const std::vector<CNotationLayout::Draw>& CNotationLayout::Layout(CGameFacade& facade,
                                                                  CTextMeasurer& measurer) {
    m_draws.clear();
    const std::vector<CNotationLines::Line> lines = CNotationLines::Read(facade);
    int y = kTop;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].firstMoves) y += kTagGap;
        m_draws.push_back({kLeft, y, lines[i].text});
        // The last line's height is never asked: nothing comes below it.
        if (i + 1 < lines.size()) y += LineStep(measurer.TextHeight(lines[i].text.c_str()));
    }
    return m_draws;
}

int CNotationLayout::WidestLine(CTextMeasurer& measurer) const {
    int widest = 0;
    for (const Draw& draw : m_draws) {
        const int right = draw.x + measurer.TextWidth(draw.text.c_str());
        if (right > widest) widest = right;
    }
    return widest;
}

CNotationLayout::Extent CNotationLayout::Measure(CTextMeasurer& measurer) const {
    if (m_draws.empty()) return {0, 0};
    const Draw& last = m_draws.back();
    return {WidestLine(measurer) + kLeft, last.y + LineStep(measurer.TextHeight(last.text.c_str())) + kTop};
}

int CNotationLayout::FitPoints(const std::function<int(int points)>& widestAt, int available) {
    // Text widths grow with the size, though not in proportion (hinting), so
    // the sizes are searched rather than scaled.
    int low = kMinPoints, high = kMaxPoints, best = kMinPoints;
    while (low <= high) {
        const int middle = (low + high) / 2;
        if (widestAt(middle) <= available) {
            best = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return best;
}

CNotationLayout::Extent CNotationLayout::DrawFitted(CGameFacade& facade, INotationSurface& surface, int width) {
    CNotationLayout layout;
    // The lines' widths are asked at several sizes; their places follow
    // from the size found, so they are laid out again at it.
    surface.SetFontPoints(kMinPoints);
    layout.Layout(facade, surface);
    const int points = FitPoints(
        [&](int size) {
            surface.SetFontPoints(size);
            return layout.WidestLine(surface);
        },
        width - kLeft);
    surface.SetFontPoints(points);
    for (const Draw& draw : layout.Layout(facade, surface)) surface.WriteText(draw.x, draw.y, draw.text.c_str());
    return layout.Measure(surface);
}
