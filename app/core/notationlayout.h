// Where the game's PGN text goes in notation mode and on paper: the tag
// lines, a gap, then the moves twelve half-moves to a line and the result.
// The layout is a list of texts with their positions; the view draws them.
#pragma once

#include <string>
#include <vector>

class CGameFacade;
class CTextMeasurer;

class CNotationLayout {
public:
    static constexpr int kLeft = 4;
    static constexpr int kTop = 4;
    static constexpr int kTagGap = 12;
    static constexpr int kHalfMovesPerLine = 12;
    static constexpr int kLineSize = 500;
    static constexpr const char* kUnfinishedText = " * ";

    struct Draw {
        int x;
        int y;
        std::string text;
    };

    // Brings the facade's Result tag up to date and lays the whole text out.
    const std::vector<Draw>& Layout(CGameFacade& facade, CTextMeasurer& measurer);
    const std::vector<Draw>& Draws() const { return m_draws; }

    // The distance from one line to the next: one and a half line heights.
    static int LineStep(int height) { return (3 * height + 1) / 2; }

private:
    void Append(const char* text);
    // Adds the line at y and moves y on below it.
    void DrawLine(const char* text, CTextMeasurer& measurer, int* y);

    std::vector<Draw> m_draws;
    char m_line[kLineSize];
    int m_lineLength = 0;
};
