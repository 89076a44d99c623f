// The game's PGN record text in its file and clipboard layouts, and the stored
// text written behind it.
#pragma once

#include <string>

class CGameFacade;
class CPgnText;

class CGameRecord {
public:
    enum class Form { kFile, kClipboard };

    static constexpr const char* kLineEnd = "\r\n";
    // Between a game's record and the old text behind it: two empty lines.
    static constexpr const char* kGap = "\r\n\r\n";

    // Appends the record: tag lines, an empty line, the moves twelve half-moves
    // to a line, and the result or "*". Brings the Result tag up to date.
    static void Append(CGameFacade* facade, Form form, std::string* out);
    // Appends every line of text from the start, each with a blank and a line end.
    static void AppendLines(CPgnText* text, std::string* out);
};
