#include "app/core/notationlayout.h"

#include <cstdio>

#include "app/core/textmeasurer.h"
#include "notation/gametags.h"
#include "rules/game.h"
#include "rules/gamefacade.h"

namespace {
constexpr const char* kMoveSeparator = " ";
}

const std::vector<CNotationLayout::Draw>& CNotationLayout::Layout(CGameFacade& facade,
                                                                  CTextMeasurer& measurer) {
    m_draws.clear();
    int y = kTop;
    CGameTags* tags = facade.UpdateResultTag();
    for (const char* line = tags->First(); line != nullptr; line = tags->Next())
        DrawLine(line, measurer, &y);
    y += kTagGap;

    m_line[0] = '\0';
    m_lineLength = 0;
    const CGame* game = facade.GetGame();
    char move[CGame::kTextSize];
    int onLine = 0;
    for (int ply = 1;; ++ply) {
        if (onLine >= kHalfMovesPerLine) {
            DrawLine(m_line, measurer, &y);
            m_line[0] = '\0';
            m_lineLength = 0;
            onLine = 0;
        }
        ++onLine;
        const char* text = game->MoveText(ply, move);
        if (text == nullptr) break;
        Append(text);
        Append(kMoveSeparator);
    }

    char result[CGameFacade::kTextSize];
    Append(facade.GameOver(result) == 1 ? result : kUnfinishedText);
    m_draws.push_back({kLeft, y, m_line});
    return m_draws;
}

void CNotationLayout::Append(const char* text) {
    // A line that would overflow keeps what fits.
    const int written = std::snprintf(m_line + m_lineLength, kLineSize - m_lineLength, "%s", text);
    if (written > 0) m_lineLength += written;
    if (m_lineLength > kLineSize - 1) m_lineLength = kLineSize - 1;
}

void CNotationLayout::DrawLine(const char* text, CTextMeasurer& measurer, int* y) {
    m_draws.push_back({kLeft, *y, text});
    *y += LineStep(measurer.TextHeight(text));
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
