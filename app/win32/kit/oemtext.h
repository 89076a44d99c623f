// The clipboard's OEM text (CF_OEMTEXT) and UTF-8, converted with the
// system's OEM code page both ways: a text goes to the clipboard in that
// form, and a pasted text comes from it.
#pragma once

#include <string>

class COemText {
public:
    // Letters the code page lacks become its default character.
    static std::string FromUtf8(const std::string& utf8);
    static std::string ToUtf8(const std::string& oem);
};
