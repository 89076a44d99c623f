// Text between UTF-8 and Windows' wide characters, or another code page
// (the OEM one of the clipboard's text).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

class CWideText {
public:
    static std::wstring FromCodePage(const std::string& text, UINT codePage);
    // Letters the code page lacks become its default character.
    static std::string ToCodePage(const std::wstring& wide, UINT codePage);
    static std::wstring Wide(const std::string& utf8) { return FromCodePage(utf8, CP_UTF8); }
    static std::string Utf8(const std::wstring& wide) { return ToCodePage(wide, CP_UTF8); }
};
