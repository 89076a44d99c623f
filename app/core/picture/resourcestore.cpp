#include "app/core/picture/resourcestore.h"

#include <cctype>

#include "app/core/picture/bmpreader.h"

namespace {

constexpr const char* kMissingText = "no such bitmap";

bool SameName(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

}  // namespace

const CResourceStore::Entry* CResourceStore::Find(const char* name) {
    for (int i = 0; i < kEntryCount; ++i)
        if (SameName(kEntries[i].name, name)) return &kEntries[i];
    return nullptr;
}

const char* CResourceStore::ReadBitmap(const char* name, CPixelBuffer* out) {
    const Entry* entry = Find(name);
    if (entry == nullptr) return kMissingText;
    return CBmpReader::Read(entry->data, entry->size, out);
}
