// Whether a board paint writes the game's status text into the status bar.
// The view's own repaints (a move, a new game, the board turned) and a new
// size write it. A repaint the toolkit makes for its own reasons, such as
// focus moving to a box or a menu closing, leaves the status bar alone. A
// box that explains a status text of its own (a refused move, the short
// help) keeps that text while it is up; a box that wrote none (the end of
// the game after the user's mating move) does not hold back the paint's.
#pragma once

class CPaintStatus {
public:
    // The view asked for a repaint of its own.
    void Requested() {
        m_due = true;
        m_ownText = false;
    }
    // A command wrote a status text of its own, not the paint's.
    void TextWritten() { m_ownText = true; }
    // A paint at this client size; true when it writes the status text.
    bool OnPaint(int width, int height, bool boxShowing);

private:
    bool m_due = true;  // the first paint writes it
    bool m_ownText = false;  // since the last request or paint's text
    int m_width = 0;
    int m_height = 0;
};
