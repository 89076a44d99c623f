#include "app/core/picture/piecebitmaps.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <tuple>

#include "app/core/picture/resourcestore.h"
#include "game/gamefacade.h"

namespace {

using Colour = CPixelBuffer::Colour;
constexpr Colour kRed = {255, 0, 0};
constexpr Colour kBlue = {0, 0, 255};
constexpr int kUsed = 47;

const CPieceBitmaps& LoadedBitmaps() {
    static CPieceBitmaps bitmaps;
    static const char* failure = bitmaps.Load();
    EXPECT_STREQ(failure, "");
    return bitmaps;
}

std::set<std::tuple<int, int, int>> ColoursOf(const CPixelBuffer& picture) {
    std::set<std::tuple<int, int, int>> colours;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const Colour c = picture.Pixel(x, y);
            colours.insert({c.red, c.green, c.blue});
        }
    return colours;
}

}  // namespace

TEST(PieceBitmapsTest, AllEighteenLoadInPieceImagesOrder) {
    const CPieceBitmaps& bitmaps = LoadedBitmaps();
    const char* expected[CPieceBitmaps::kCount] = {
        "konigm", "konigw", "konigb", "damem", "damew", "dameb",
        "lauferm", "lauferw", "lauferb", "springerm", "springerw", "springerb",
        "turmm", "turmw", "turmb", "bauerm", "bauerw", "bauerb"};
    for (int i = 0; i < CPieceBitmaps::kCount; ++i) {
        EXPECT_STRCASEEQ(CPieceBitmaps::kNames[i], expected[i]);
        EXPECT_EQ(bitmaps.Bitmap(i).Width(), CPieceBitmaps::kSize) << expected[i];
        EXPECT_EQ(bitmaps.Bitmap(i).Height(), CPieceBitmaps::kSize) << expected[i];
    }
}

// The compositing only works when every mask is pure black on white and both
// pictures of its kind are coloured exactly where the mask is black.
TEST(PieceBitmapsTest, PicturesFillExactlyTheBlackOfTheirMask) {
    const CPieceBitmaps& bitmaps = LoadedBitmaps();
    for (int kind = 0; kind < CPieceBitmaps::kCount; kind += 3) {
        const CPixelBuffer& mask = bitmaps.Bitmap(kind);
        const std::string name = CPieceBitmaps::kNames[kind];
        EXPECT_EQ(ColoursOf(mask), (std::set<std::tuple<int, int, int>>{{0, 0, 0}, {255, 255, 255}}))
            << name;
        int piecePixels = 0;
        for (int y = 0; y < mask.Height(); ++y) {
            for (int x = 0; x < mask.Width(); ++x) {
                const bool inPiece = mask.Pixel(x, y) == CPixelBuffer::kBlack;
                piecePixels += inPiece;
                EXPECT_EQ(bitmaps.Bitmap(kind + 1).Pixel(x, y), inPiece ? kRed : CPixelBuffer::kBlack)
                    << name << " white at " << x << "," << y;
                EXPECT_EQ(bitmaps.Bitmap(kind + 2).Pixel(x, y), inPiece ? kBlue : CPixelBuffer::kBlack)
                    << name << " black at " << x << "," << y;
                if (x >= kUsed || y >= kUsed) {
                    EXPECT_FALSE(inPiece) << name << " outside the square";
                }
            }
        }
        // A real piece, neither a speck nor a filled square.
        EXPECT_GT(piecePixels, kUsed * kUsed / 8) << name;
        EXPECT_LT(piecePixels, kUsed * kUsed / 2) << name;
    }
}

TEST(PieceBitmapsTest, EveryKindHasItsOwnShape) {
    const CPieceBitmaps& bitmaps = LoadedBitmaps();
    for (int a = 0; a < CPieceBitmaps::kCount; a += 3)
        for (int b = a + 3; b < CPieceBitmaps::kCount; b += 3)
            EXPECT_FALSE(bitmaps.Bitmap(a) == bitmaps.Bitmap(b))
                << CPieceBitmaps::kNames[a] << " and " << CPieceBitmaps::kNames[b];
}

TEST(PieceBitmapsTest, OnlyAFailedLoadIsToldWithItsCause) {
    const struct {
        const char* loadError;
        const char* told;
    } cases[] = {
        {"", ""},
        {"konigw: no such bitmap",
         "Die Bilder der Figuren fehlen (konigw: no such bitmap).\nDas Brett kann nicht gezeigt werden."},
        {"bauerb: wrong size",
         "Die Bilder der Figuren fehlen (bauerb: wrong size).\nDas Brett kann nicht gezeigt werden."},
    };
    for (const auto& c : cases) EXPECT_EQ(CPieceBitmaps::MissingText(c.loadError), c.told) << c.loadError;
}

TEST(ResourceStoreTest, FindsNamesWithoutRegardToCase) {
    for (const char* name : {"KONIGM", "konigm", "KoNiGm", "BAUERB", "koord", "TOOLBAR"})
        EXPECT_NE(CResourceStore::Find(name), nullptr) << name;
    for (const char* name : {"", "konig", "konigm.bmp", "konigmx"})
        EXPECT_EQ(CResourceStore::Find(name), nullptr) << name;
    CPixelBuffer picture;
    EXPECT_STRNE(CResourceStore::ReadBitmap("nothing", &picture), "");
    // A picture that is no bitmap file is refused, not misread.
    EXPECT_STRNE(CResourceStore::ReadBitmap("torvo-32", &picture), "");
}

TEST(ResourceStoreTest, CoordinatePictureAndToolbarHaveTheirSizes) {
    CPixelBuffer koord;
    ASSERT_STREQ(CResourceStore::ReadBitmap("KOORD", &koord), "");
    EXPECT_EQ(koord.Width(), 269);
    EXPECT_EQ(koord.Height(), 198);
    EXPECT_EQ(ColoursOf(koord), (std::set<std::tuple<int, int, int>>{{0, 0, 0}, {255, 255, 255}}));

    CPixelBuffer toolbar;
    ASSERT_STREQ(CResourceStore::ReadBitmap("toolbar", &toolbar), "");
    EXPECT_EQ(toolbar.Width(), 7 * 16);
    EXPECT_EQ(toolbar.Height(), 15);
    // Silver is the colour the toolbar makes transparent.
    EXPECT_EQ(toolbar.Pixel(0, 0), (Colour{192, 192, 192}));
}

TEST(ResourceStoreTest, IconsArePngFilesInTheDesktopSizes) {
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const char* stem : {"torvo", "torvo-doc"}) {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const std::string name = std::string(stem) + "-" + std::to_string(size);
            const CResourceStore::Entry* entry = CResourceStore::Find(name.c_str());
            ASSERT_NE(entry, nullptr) << name;
            ASSERT_GT(entry->size, 24u) << name;
            EXPECT_EQ(std::memcmp(entry->data, kPngSignature, 8), 0) << name;
            // Width and height stand big-endian in the header chunk.
            const uint8_t* header = entry->data + 16;
            const int width = (header[2] << 8) | header[3];
            const int height = (header[6] << 8) | header[7];
            EXPECT_EQ(width, size) << name;
            EXPECT_EQ(height, size) << name;
        }
    }
}

TEST(PieceBitmapsTest, PieceImagesOfTheInitialPosition) {
    const struct {
        int rank, file, picture, mask;
    } cases[] = {
        {0, 4, 1, 0},   {7, 4, 2, 0},   {0, 3, 4, 3},   {7, 3, 5, 3},  {0, 2, 7, 6},
        {7, 5, 8, 6},   {0, 1, 10, 9},  {7, 6, 11, 9},  {0, 0, 13, 12}, {7, 7, 14, 12},
        {1, 4, 16, 15}, {6, 0, 17, 15}, {3, 3, -1, 0},  {-1, 0, -1, 0}, {0, 8, -1, 0},
    };
    CGameFacade facade;
    for (const auto& c : cases) {
        int picture = 99, mask = 99;
        CPieceBitmaps::PieceImage(facade.PieceAt(c.rank, c.file), &picture, &mask);
        EXPECT_EQ(picture, c.picture) << "rank " << c.rank << " file " << c.file;
        EXPECT_EQ(mask, c.mask) << "rank " << c.rank << " file " << c.file;
    }
}
