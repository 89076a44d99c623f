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
    // The menu item's text of the recent file at `number` (1 on top): its
    // number as the item's key letter, then the name cut to 30 characters.
    static std::string MenuText(int number, const std::string& path);
};
