// The Windows program's menu bar, built from CFrameMenu's items: the texts
// as they stand (the key after the tab), the recent files or the greyed
// "Letzte Datei" at their place in the file menu.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CRecentFiles;

class CMenuBar {
public:
    // The whole bar; the caller gives it to a window, which destroys it.
    static HMENU Create(const CRecentFiles& recent);
    // Puts the recent files (or the greyed placeholder) into the file menu anew.
    static void ShowRecentFiles(HMENU bar, const CRecentFiles& recent);
};
