#include "app/win32/resourcebitmap.h"

#include "app/core/picture/resourcestore.h"
#include "app/win32/kit/dibbitmap.h"

HBITMAP CResourceBitmap::Load(const char* name) {
    CPixelBuffer picture;
    if (*CResourceStore::ReadBitmap(name, &picture) != '\0') return nullptr;
    return CDibBitmap::FromPixels(picture);
}
