// What else was held at a press of the left button on the board, as plain
// flags each toolkit fills from its own.
#pragma once

struct MouseButtons {
    bool shift = false;
    bool control = false;
    bool middle = false;
    bool right = false;
    bool extra1 = false;  // the side buttons
    bool extra2 = false;

    // Only the left button alone picks and moves; anything held with it
    // makes the press count otherwise.
    bool LeftAlone() const;
};
