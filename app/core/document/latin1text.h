// Text whose bytes are UTF-8 or, as in many older PGN files, Latin-1, made
// into UTF-8 for the clipboard: a UTF-8 sequence stays as it is, and every
// other byte is the Latin-1 letter of its number. A file is kept byte for
// byte; only what leaves the program as text is converted.
#pragma once

#include <string>

class CLatin1Text {
public:
    static std::string ToUtf8(const std::string& bytes);
};
