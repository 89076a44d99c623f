#include "app/core/picture/piecebitmaps.h"

#include <cstdio>

#include "app/core/picture/resourcestore.h"

namespace {
constexpr const char* kWrongSizeText = "wrong size";
}

const char* const CPieceBitmaps::kNames[kCount] = {
    "KONIGM", "konigw", "konigb", "damem", "damew", "dameb",
    "lauferm", "lauferw", "lauferb", "springerm", "springerw", "springerb",
    "turmm", "turmw", "turmb", "bauerm", "bauerw", "bauerb",
};

const char* CPieceBitmaps::Load() {
    m_error[0] = '\0';
    for (int i = 0; i < kCount; ++i) {
        const char* failure = CResourceStore::ReadBitmap(kNames[i], &m_bitmaps[i]);
        if (failure[0] == '\0' && (m_bitmaps[i].Width() != kSize || m_bitmaps[i].Height() != kSize))
            failure = kWrongSizeText;
        if (failure[0] != '\0') {
            std::snprintf(m_error, kErrorSize, "%s: %s", kNames[i], failure);
            return m_error;
        }
    }
    return m_error;
}

std::string CPieceBitmaps::MissingText(const char* loadError) {
    if (loadError[0] == '\0') return std::string();
    char text[kErrorSize + 100];
    std::snprintf(text, sizeof text, kMissingFormat, loadError);
    return text;
}
