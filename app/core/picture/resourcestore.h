// The program's pictures, built into the executable from res/ so that nothing
// has to lie beside the program at run time. Names are the file names without
// extension ("konigm", "koord", "toolbar", "torvo-32"), looked up without
// regard to case, so "KONIGM" finds konigm.bmp.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/core/picture/pixelbuffer.h"

class CResourceStore {
public:
    struct Entry {
        const char* name;
        const uint8_t* data;
        size_t size;
    };

    // Null when there is no such resource.
    static const Entry* Find(const char* name);
    static int Count() { return kEntryCount; }
    static const Entry& At(int index) { return kEntries[index]; }
    // Reads a stored bitmap: the empty text on success, else what went wrong.
    // (Not "LoadBitmap": Windows makes that name a macro.)
    static const char* ReadBitmap(const char* name, CPixelBuffer* out);

private:
    // Defined in the source that the build generates from res/.
    static const Entry kEntries[];
    static const int kEntryCount;
};
