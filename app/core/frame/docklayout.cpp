#include "app/core/frame/docklayout.h"

#include <algorithm>

namespace {

using Rect = CDockLayout::Rect;

// A band or view never runs past the client area, however small the frame.
Rect Clipped(Rect rect, const Rect& client) {
    rect.left = std::clamp(rect.left, client.left, client.right);
    rect.right = std::clamp(rect.right, rect.left, client.right);
    rect.top = std::clamp(rect.top, client.top, client.bottom);
    rect.bottom = std::clamp(rect.bottom, rect.top, client.bottom);
    return rect;
}

}  // namespace

CDockLayout::Arrangement CDockLayout::Arrange(Place place, bool shown, const Rect& client, Size row, Size column) {
    const Rect none = {client.left, client.top, client.left, client.top};
    if (!shown || place == Place::kFloating) return {none, client};
    Rect bar = client;
    Rect view = client;
    switch (place) {
        case Place::kTop:
            bar.bottom = client.top + row.height;
            view.top = bar.bottom;
            break;
        case Place::kBottom:
            bar.top = client.bottom - row.height;
            view.bottom = bar.top;
            break;
        case Place::kLeft:
            bar.right = client.left + column.width;
            view.left = bar.right;
            break;
        case Place::kRight:
            bar.left = client.right - column.width;
            view.right = bar.left;
            break;
        case Place::kFloating:
            break;
    }
    return {Clipped(bar, client), Clipped(view, client)};
}

CDockLayout::Place CDockLayout::DropPlace(int x, int y, const Rect& client, int thickness) {
    if (x < client.left - thickness || x >= client.right + thickness || y < client.top - thickness ||
        y >= client.bottom + thickness)
        return Place::kFloating;
    if (y < client.top + thickness) return Place::kTop;
    if (y >= client.bottom - thickness) return Place::kBottom;
    if (x < client.left + thickness) return Place::kLeft;
    if (x >= client.right - thickness) return Place::kRight;
    return Place::kFloating;
}
