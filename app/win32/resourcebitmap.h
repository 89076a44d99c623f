// The program's own pictures (CResourceStore) as GDI bitmaps.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

class CResourceBitmap {
public:
    // The stored picture of that name; null when there is none. The caller
    // deletes it.
    static HBITMAP Load(const char* name);
};
