// The keyboard's square on the board: a screen square that the arrow keys
// move in the screen's directions and that stops at the edge. It is drawn
// only once the keyboard has been used, until the next mouse click.
#pragma once

class CGameFacade;

class CBoardCursor {
public:
    enum Direction { kUp, kDown, kLeft, kRight };

    // The square it starts on: the last move's destination, else the king's
    // pawn of the side to move (e2 or e7).
    void Start(const CGameFacade& facade, bool flipped);
    bool Started() const { return m_started; }
    // One square on; false at the edge.
    bool Move(Direction direction);
    // Onto a screen square, such as the one just clicked.
    void Place(int column, int row);
    // The board was turned: the cursor keeps its board square.
    void Flip();

    // Drawn from the first use of the keyboard to the next mouse click.
    void Show() { m_shown = true; }
    void Hide() { m_shown = false; }
    bool Shown() const { return m_shown; }

    int Column() const { return m_column; }
    int Row() const { return m_row; }

private:
    bool m_started = false;
    bool m_shown = false;
    int m_column = 0;
    int m_row = 0;
};
