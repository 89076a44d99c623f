// The game's record as the notation view shows it, line by line: the tag
// lines, then the moves twelve half-moves to a line, the last one ending in
// the result or the mark of an unfinished game. The paint places the lines;
// a screen reader reads the same ones.
#pragma once

#include <string>
#include <vector>

class CGameFacade;

class CNotationLines {
public:
    static constexpr const char* kUnfinishedText = " * ";

    struct Line {
        std::string text;
        bool firstMoves;  // the first line of moves, which a gap parts from the tags
    };

    // Brings the facade's Result tag up to date and reads the lines.
    static std::vector<Line> Read(CGameFacade& facade);
};
