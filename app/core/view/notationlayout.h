// Where the game's PGN text goes in notation mode and on paper: the record's
// lines as CNotationLines reads them, one and a half line heights apart.
// The layout is a list of texts with their positions; the view draws them.
#pragma once

#include <functional>
#include <string>
#include <vector>

class CGameFacade;
class CTextMeasurer;
class INotationSurface;

class CNotationLayout {
public:
    static constexpr int kLeft = 4;
    static constexpr int kTop = 4;
    static constexpr int kTagGap = 12;
    // The font sizes the notation is shown in, in points.
    static constexpr int kMinPoints = 6;
    static constexpr int kMaxPoints = 18;

    struct Draw {
        int x;
        int y;
        std::string text;
    };
    // The area the laid-out text needs, margins included.
    struct Extent {
        int width;
        int height;
    };

    // Brings the facade's Result tag up to date and lays the whole text out.
    const std::vector<Draw>& Layout(CGameFacade& facade, CTextMeasurer& measurer);
    const std::vector<Draw>& Draws() const { return m_draws; }
    // The area of the last layout, measured in the measurer's current font.
    Extent Measure(CTextMeasurer& measurer) const;
    // Right edge of the widest line of the last layout, without the margin
    // on the right.
    int WidestLine(CTextMeasurer& measurer) const;

    // The largest font size from kMinPoints to kMaxPoints at which the widest
    // line, as `widestAt` measures it at a size, fits into `available`;
    // kMinPoints when none does.
    static int FitPoints(const std::function<int(int points)>& widestAt, int available);
    // The whole text drawn on the surface in the size FitPoints finds for
    // `width`; the area it took there.
    static Extent DrawFitted(CGameFacade& facade, INotationSurface& surface, int width);

    // The distance from one line to the next: one and a half line heights.
    static int LineStep(int height) { return (3 * height + 1) / 2; }

private:
    std::vector<Draw> m_draws;
};
