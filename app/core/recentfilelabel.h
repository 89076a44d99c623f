// How a recently used file is named in the "Letzte Datei" menu: the whole
// path when it is short enough, else its last folders behind "...", else the
// file name alone.
#pragma once

#include <string>

class CRecentFileLabel {
public:
    static constexpr const char* kEllipsis = "...";

    // maxChars counts characters of the UTF-8 text, not bytes.
    static std::string Abbreviate(const std::string& path, int maxChars);
};
