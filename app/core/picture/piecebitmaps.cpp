#include "app/core/picture/piecebitmaps.h"

#include <cstdio>

#include "app/core/picture/resourcestore.h"
#include "rules/chess.h"

namespace {

constexpr const char* kWrongSizeText = "wrong size";

// Each kind's numbers in kNames.
struct PieceNumbers {
    uint8_t kind;
    int whitePicture;
    int blackPicture;
    int mask;
};
constexpr PieceNumbers kPieceNumbers[] = {
    {chess::kKing, 1, 2, 0},       {chess::kQueen, 4, 5, 3},   {chess::kBishop, 7, 8, 6},
    {chess::kKnight, 10, 11, 9},   {chess::kRook, 13, 14, 12}, {chess::kPawn, 16, 17, 15},
};

}  // namespace

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

void CPieceBitmaps::PieceImage(uint8_t code, int* picture, int* mask) {
    *picture = kEmptyPicture;
    *mask = kEmptyMask;
    for (const PieceNumbers& numbers : kPieceNumbers) {
        if (numbers.kind != chess::KindOf(code)) continue;
        *picture = chess::IsBlackPiece(code) ? numbers.blackPicture : numbers.whitePicture;
        *mask = numbers.mask;
        return;
    }
}

std::string CPieceBitmaps::MissingText(const char* loadError) {
    if (loadError[0] == '\0') return std::string();
    char text[kErrorSize + 100];
    std::snprintf(text, sizeof text, kMissingFormat, loadError);
    return text;
}
