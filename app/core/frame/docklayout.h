// Where the toolbar stands in the frame: docked at one of the four edges of
// the client area, or floating in a window of its own; and the room that
// leaves the view.
#pragma once

class CDockLayout {
public:
    enum class Place { kTop, kBottom, kLeft, kRight, kFloating };

    struct Rect {
        int left, top, right, bottom;
        bool operator==(const Rect& other) const {
            return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
        }
    };
    struct Size {
        int width, height;
    };
    struct Arrangement {
        Rect bar;   // empty when the bar floats or is hidden
        Rect view;
    };

    static bool IsVertical(Place place) { return place == Place::kLeft || place == Place::kRight; }

    // client: the frame's client area above the status bar. row and column:
    // the bar's size with its buttons in one row and in one column.
    static Arrangement Arrange(Place place, bool shown, const Rect& client, Size row, Size column);

    // Where a bar let go with the pointer at (x, y) docks: at the edge whose
    // band, as deep as the bar is thick, holds the point; elsewhere it floats.
    // Across the top and bottom bands the long edges win the corners.
    static Place DropPlace(int x, int y, const Rect& client, int thickness);
};
