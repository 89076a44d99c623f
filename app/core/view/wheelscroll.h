// The mouse wheel over the notation, the same in both programs: a notch of
// the wheel moves it by the lines the system asks for per notch, each line
// the scroll bar's own step; the parts of a notch that a fine wheel or a
// touchpad sends add up until they make a line.
#pragma once

class CWheelScroll {
public:
    // Both toolkits count a wheel's turn in 120ths of a notch.
    static constexpr int kNotch = 120;
    // What a system that leaves it to the program (GTK) gets, and Windows' default.
    static constexpr int kLinesPerNotch = 3;

    // The whole lines to move the notation towards its start for `rotation`
    // as both toolkits tell it (positive: turned away from the user), with
    // the system's `linesPerNotch`; 0 of them turns the wheel's scrolling off.
    int Lines(int rotation, int linesPerNotch);

private:
    int m_rest = 0;  // turned, in 120ths of a line, but not yet a line
};
