// The main window's sizes, the same in both programs: the board never gets
// smaller than a board the user can still aim at, and where the system sets
// no first size, the window opens with one that shows the board whole.
#pragma once

class CFrameSize {
public:
    struct Size {
        int width;
        int height;
    };

    // The smallest board, at 96 dpi: eight squares of 20 pixels, still a
    // target for the mouse and a picture the pieces can be told apart on.
    static constexpr int kSmallestSquare = 20;
    static constexpr int kSmallestBoard = 8 * kSmallestSquare;
    // The window's first outer size where the system chooses none (the Linux
    // desktop): the board near its pictures' own 376 pixels, with room for
    // the menu, the toolbar and the status bar. Windows gives every new
    // window a size of its own choosing, and the program takes that one.
    static constexpr Size kFirstSize = {560, 600};

    // The smallest outer size of a window whose bars, borders and menu take
    // `chrome` (its outer size less the view's), with the board at the
    // monitor's scale `dpi`. Where a menu bar wraps into more rows in a
    // narrow window (Windows), the window stays `menuRow` wide at least: the
    // menu in one row with the borders, so that no row grows under the board.
    static Size Smallest(Size chrome, int dpi, int menuRow = 0);
};
