// What the board's accessibility asks of a shell: to tell the platform's
// accessibility interface (ATK, MSAA) about the focus and the cells, and to
// have a message spoken. A shell implements it only once a screen reader
// has asked for the board's accessible object.
#pragma once

#include <string>

class IAccessPlatform {
public:
    virtual ~IAccessPlatform() = default;

    // The cell (row * 8 + column, screen squares) that has the focus now.
    virtual void FocusCell(int cell) = 0;
    // The cells' names or states, or the board's name, changed.
    virtual void CellsChanged() = 0;
    // A message spoken once, without moving the focus.
    virtual void Announce(const std::string& text) = 0;
    // The view shows the notation instead of the board, or the board again:
    // the notation's text (CBoardAccess::Notation) takes the focus, or the
    // cursor's cell takes it back.
    virtual void NotationShown(bool shown) = 0;
    // The notation's line cursor went to the line (from 0), by a step
    // (Up, Down) or a jump to the first or the last line (Home, End); the
    // platform has the line read.
    virtual void NotationLine(int line, bool jumped) = 0;
};

// Where what the platform was given is written down, for the tests.
class ISpeechLog {
public:
    virtual ~ISpeechLog() = default;
    virtual void Spoken(const char* kind, const std::string& text) const = 0;
};
