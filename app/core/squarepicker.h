// Picking with the mouse: the screen square under a point, the picked square,
// and the five-character move text that two clicks make.
#pragma once

class CSquarePicker {
public:
    static constexpr int kNone = 10;  // m_selCol and m_selRow when nothing is picked
    static constexpr int kMoveTextSize = 6;
    static constexpr int kBoardSide = 8;

    enum class Click {
        kPicked,      // the square is picked now
        kSameSquare,  // the picked square again: nothing changes
        kMove,        // a move text is ready; the pick is dropped
    };

    // Screen column and row of a point in a client area; false for a point
    // outside it or an area without width or height.
    static bool ScreenSquare(int x, int y, int width, int height, int* col, int* row);
    // Board square (rank × 8 + file) shown at a screen square.
    static int BoardSquare(int col, int row, bool flipped);
    // Screen square where a board square is shown.
    static void ScreenOf(int square, bool flipped, int* col, int* row);

    // A click on a screen square; for kMove the text such as e2e4D is in moveText.
    Click OnClick(int col, int row, bool flipped, char moveText[kMoveTextSize]);
    void Drop();

    bool HasSelection() const { return m_hasSelection != 0; }
    int SelCol() const { return m_selCol; }
    int SelRow() const { return m_selRow; }

private:
    int m_hasSelection = 0;
    int m_selCol = kNone;
    int m_selRow = kNone;
};
