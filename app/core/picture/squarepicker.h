// Picking squares with the mouse: a first click picks a square, a click on
// another square makes the move text of the two. The picker only decides;
// the view carries it out (repaint, the end-of-game box, handing the move over).
#pragma once

class CSquarePicker {
public:
    // Column and row of the picked square while nothing is picked.
    static constexpr int kNone = 10;
    // From, to, and the letter that makes a pawn on the last rank a queen.
    static constexpr int kMoveTextSize = 6;
    static constexpr char kQueenLetter = 'D';

    enum Action {
        kNothing,       // leave everything as it is
        kShowBoard,     // the notation was shown: back to the board, nothing else
        kShowGameOver,  // the game has ended: show the result
        kRepaint,       // a square was picked
        kHandOver,      // hand MoveText() to the game, then Drop() the pick
    };

    struct Click {
        int x, y;           // client point
        int width, height;  // client area, which the board fills
        bool leftOnly;      // the left button alone, no Shift, no Ctrl
        bool notationShown;
        bool gameOver;
        long gameNumber;  // the document's; a new, opened or pasted game has a new one
    };

    Action OnClick(const Click& click);
    // Turns the board over; the pick is dropped.
    void Flip();
    // Drops the pick when the document's game is no longer the one it was made in.
    void FollowGame(long gameNumber);
    void Drop();

    bool IsFlipped() const { return m_flipped; }
    bool HasSelection() const { return m_hasSelection; }
    int SelColumn() const { return m_selCol; }
    int SelRow() const { return m_selRow; }
    int ClickColumn() const { return m_clickCol; }
    int ClickRow() const { return m_clickRow; }
    // The last handed-over move, such as "e2e4D".
    const char* MoveText() const { return m_moveText; }

private:
    bool m_hasSelection = false;
    bool m_flipped = false;
    int m_clickCol = kNone;
    int m_clickRow = kNone;
    int m_selCol = kNone;
    int m_selRow = kNone;
    long m_gameNumber = 0;
    char m_moveText[kMoveTextSize] = "";
};
