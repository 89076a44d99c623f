// How wide the status bar's panes are, as both shells size them: the first
// pane (the message) takes what the others leave; each other pane is as
// wide as its text in the bar's font and a margin, and the last one also
// leaves the bar's right end free, where the size grip sits.
#pragma once

#include <vector>

class CStatusPanes {
public:
    // The first pane's width: the rest of the bar.
    static constexpr int kRest = -1;
    // The room beside an indicator's text, both sides together, in pixels.
    static constexpr int kIndicatorMargin = 12;

    // textWidths: each pane's text as the bar measures it (the first one's
    // is not used); margin: the room beside a text, both sides together;
    // endRoom: what the last pane keeps free at its right end.
    static std::vector<int> Widths(const std::vector<int>& textWidths, int margin, int endRoom);
};
