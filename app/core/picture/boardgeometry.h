// Where the squares lie: screen squares (column and row counted from the
// top-left corner of the board picture) against board squares in both
// orientations, and which screen square a point of the window falls on.
#pragma once

class CBoardGeometry {
public:
    static constexpr int kSquares = 8;
    static constexpr int kLastIndex = kSquares - 1;
    static constexpr int kPictureSize = 376;
    static constexpr int kSquareSize = kPictureSize / kSquares;
    static constexpr int kNameLength = 2;

    // Rank and file indices count from rank 1 and file a.
    static void ScreenToBoard(int column, int row, bool flipped, int* rank, int* file);
    static void BoardToScreen(int rank, int file, bool flipped, int* column, int* row);
    // Left edge of a column, or top edge of a row, in the board picture.
    static int SquareOrigin(int index) { return index * kPictureSize / kSquares; }
    // a8 and h1 are light, in either orientation.
    static bool IsLight(int column, int row) { return (column + row) % 2 == 0; }
    // The screen square under the point (x, y) of a client area of width x
    // height, which the board fills; false for a point outside it or an empty area.
    static bool SquareAt(int x, int y, int width, int height, int* column, int* row);
    // The first point of screen square index (0 to 8, 8 for the end) along
    // an extent the board is stretched over, as SquareAt divides it.
    static int SquareEdge(int index, int extent) {
        return static_cast<int>((static_cast<long long>(index) * extent + kLastIndex) / kSquares);
    }
    // A screen square's rectangle in a client area of width x height, right
    // and bottom exclusive: exactly the points SquareAt gives it for.
    struct Rect {
        int left, top, right, bottom;
    };
    static Rect SquareRect(int column, int row, int width, int height) {
        return {SquareEdge(column, width), SquareEdge(row, height), SquareEdge(column + 1, width),
                SquareEdge(row + 1, height)};
    }
    // File letter and rank digit of a screen square, such as "e2" (not terminated).
    static void SquareName(int column, int row, bool flipped, char* out);
};
