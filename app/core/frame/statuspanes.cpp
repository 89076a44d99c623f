#include "app/core/frame/statuspanes.h"

#include <cstddef>

std::vector<int> CStatusPanes::Widths(const std::vector<int>& textWidths, int margin, int endRoom) {
    std::vector<int> widths(textWidths.size(), kRest);
    for (std::size_t pane = 1; pane < textWidths.size(); ++pane) widths[pane] = textWidths[pane] + margin;
    if (widths.size() > 1) widths.back() += endRoom;
    return widths;
}
