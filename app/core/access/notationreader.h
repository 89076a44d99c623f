// The notation for a screen reader: the lines the view draws, as one
// read-only text, and a line cursor that Up, Down, Home and End move. It
// decides what is said when the notation appears and which line a key
// reads; a shell hands the text and the cursor to its platform. Offsets
// count characters (code points of the UTF-8 lines), as ATK and MSAA do.
#pragma once

#include <string>
#include <vector>

class CGameFacade;

class CNotationReader {
public:
    // Lines read out when the notation appears, after saying so.
    static constexpr int kOpeningLines = 2;
    static constexpr char kLineEnd = '\n';

    // The lines of the game as the view draws them; the cursor on the first.
    void Read(CGameFacade& facade);
    // Up, Down, Home or End (CBoardKeys::Key) moves the cursor, which stops
    // at the first and the last line; false for any other key.
    bool OnKey(int key);
    // Home and End jump; Up and Down step.
    static bool Jumps(int key);

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    int Cursor() const { return m_cursor; }
    // The line's text, "" past the end.
    const std::string& Line(int line) const;
    // The whole text: the lines, each but the last ended by kLineEnd.
    std::string Text() const;
    int CharCount() const;
    // The first character of a line (the end of the text past the last one),
    // and the line a character belongs to (its line end included).
    int LineStart(int line) const;
    int LineAt(int offset) const;
    // "Notation angezeigt. " and the first lines.
    std::string Opening() const;

private:
    std::vector<std::string> m_lines;
    std::vector<int> m_starts;  // each line's first character
    int m_cursor = 0;
};
