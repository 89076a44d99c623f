// Whether a board paint writes the game's status text into the status bar.
// The view's own repaints (a move, a new game, the board turned) and a new
// size write it. A repaint the toolkit makes for its own reasons, such as
// focus moving to a box or a menu closing, leaves the status bar alone, and
// no paint writes while a box shows its text there.
#pragma once

class CPaintStatus {
public:
    // The view asked for a repaint of its own.
    void Requested() { m_due = true; }
    // A paint at this client size; true when it writes the status text.
    bool OnPaint(int width, int height, bool boxShowing);

private:
    bool m_due = true;  // the first paint writes it
    int m_width = 0;
    int m_height = 0;
};
