// The game's record line by line, as the saved file, the clipboard, the
// screen and the printout all show it: the tag lines, a gap, then the moves
// twelve half-moves to a line, the last line ending in the result or the
// mark of an unfinished game. Each form writes the lines in its own way.
#pragma once

#include <string>

class CGameFacade;

class CNotationWalk {
public:
    static constexpr int kTextsPerLine = 12;

    class ILineSink {
    public:
        virtual ~ILineSink() = default;
        virtual void TagLine(const char* line) = 0;
        // Between the tags and the moves.
        virtual void Gap() = 0;
        // A line of moves, each followed by a blank; the last line ends in
        // the result (or `unfinished`) instead.
        virtual void MoveLine(const std::string& line, bool last) = 0;
    };

    // Brings the facade's Result tag up to date, then walks the record.
    static void Walk(CGameFacade* facade, const char* unfinished, ILineSink& sink);
};
