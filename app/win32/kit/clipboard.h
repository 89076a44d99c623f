// UTF-8 text on the system clipboard, as OEM text (CF_OEMTEXT): the system
// makes the other text formats from it, and from other programs' Unicode
// text it makes OEM text for us.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

class CClipboard {
public:
    // False when the clipboard cannot be opened or will not take the text.
    static bool PutText(HWND owner, const std::string& utf8);
    // False when the clipboard cannot be opened or holds no text.
    static bool GetText(HWND owner, std::string* utf8);
};
