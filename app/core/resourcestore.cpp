#include "app/core/resourcestore.h"

#include <strings.h>

#include "app/core/bmpreader.h"

namespace {
constexpr const char* kMissingText = "no such bitmap";
}

const CResourceStore::Entry* CResourceStore::Find(const char* name) {
    for (int i = 0; i < kEntryCount; ++i)
        if (strcasecmp(kEntries[i].name, name) == 0) return &kEntries[i];
    return nullptr;
}

const char* CResourceStore::LoadBitmap(const char* name, CPixelBuffer* out) {
    const Entry* entry = Find(name);
    if (entry == nullptr) return kMissingText;
    return CBmpReader::Read(entry->data, entry->size, out);
}
