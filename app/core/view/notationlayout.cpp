#include "app/core/view/notationlayout.h"

#include "app/core/view/notationsurface.h"
#include "app/core/view/textmeasurer.h"
#include "game/notationwalk.h"

namespace {

// Each line of the record a step below the one before, with the gap after
// the tags.
class CLayoutSink : public CNotationWalk::ILineSink {
public:
    CLayoutSink(std::vector<CNotationLayout::Draw>* draws, CTextMeasurer& measurer)
        : m_draws(draws), m_measurer(measurer) {}
    void TagLine(const char* line) override { Add(line); }
    void Gap() override { m_y += CNotationLayout::kTagGap; }
    void MoveLine(const std::string& line, bool last) override {
        // The last line's height is never asked: nothing comes below it.
        if (last)
            m_draws->push_back({CNotationLayout::kLeft, m_y, line});
        else
            Add(line);
    }

private:
    void Add(const std::string& line) {
        m_draws->push_back({CNotationLayout::kLeft, m_y, line});
        m_y += CNotationLayout::LineStep(m_measurer.TextHeight(line.c_str()));
    }

    std::vector<CNotationLayout::Draw>* m_draws;
    CTextMeasurer& m_measurer;
    int m_y = CNotationLayout::kTop;
};

}  // namespace

const std::vector<CNotationLayout::Draw>& CNotationLayout::Layout(CGameFacade& facade,
                                                                  CTextMeasurer& measurer) {
    m_draws.clear();
    CLayoutSink sink(&m_draws, measurer);
    CNotationWalk::Walk(&facade, kUnfinishedText, sink);
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
