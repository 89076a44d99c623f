#include "app/core/picture/boardpicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "app/core/picture/piecebitmaps.h"
#include "game/gamefacade.h"

namespace {

using Colour = CPixelBuffer::Colour;
constexpr int kSquare = 47;
constexpr int kNone = -1;

const CPieceBitmaps& Bitmaps() {
    static CPieceBitmaps bitmaps;
    static const char* failure = bitmaps.Load();
    EXPECT_STREQ(failure, "");
    return bitmaps;
}

// What a square must show, as seen by the user.
enum Seen {
    kWhiteSquare,
    kPieceOnWhite,      // the piece in its colour on white
    kBlackSilhouette,   // picked, on a light square
    kBlackSquare,
    kPieceOnBlack,      // the piece in its colour on black
    kWhiteSilhouette,   // picked, on a dark square
};

// The expected pixel from the real mask and picture, worked out from what is
// seen rather than from the raster operations.
Colour Expected(Seen seen, const CPixelBuffer* mask, const CPixelBuffer* picture, int x, int y) {
    const bool inPiece = mask != nullptr && mask->Pixel(x, y) == CPixelBuffer::kBlack;
    switch (seen) {
        case kWhiteSquare: return CPixelBuffer::kWhite;
        case kBlackSquare: return CPixelBuffer::kBlack;
        case kPieceOnWhite: return inPiece ? picture->Pixel(x, y) : CPixelBuffer::kWhite;
        case kPieceOnBlack: return inPiece ? picture->Pixel(x, y) : CPixelBuffer::kBlack;
        case kBlackSilhouette: return inPiece ? CPixelBuffer::kBlack : CPixelBuffer::kWhite;
        case kWhiteSilhouette: return inPiece ? CPixelBuffer::kWhite : CPixelBuffer::kBlack;
    }
    return CPixelBuffer::kBlack;
}

struct SquareCase {
    const char* what;
    bool flipped;
    int pickColumn, pickRow;  // kNone: nothing picked
    int column, row;          // the screen square looked at
    int mask, picture;        // its bitmaps; kNone for an empty square
    Seen seen;
};

void ExpectSquare(const CPixelBuffer& board, const SquareCase& c) {
    const CPixelBuffer* mask = c.mask == kNone ? nullptr : &Bitmaps().Bitmap(c.mask);
    const CPixelBuffer* picture = c.picture == kNone ? nullptr : &Bitmaps().Bitmap(c.picture);
    int wrong = 0;
    for (int y = 0; y < kSquare; ++y) {
        for (int x = 0; x < kSquare; ++x) {
            const Colour got = board.Pixel(c.column * kSquare + x, c.row * kSquare + y);
            if (got != Expected(c.seen, mask, picture, x, y) && wrong++ < 3)
                ADD_FAILURE() << c.what << ": pixel " << x << "," << y << " is " << int(got.red) << ","
                              << int(got.green) << "," << int(got.blue);
        }
    }
    EXPECT_EQ(wrong, 0) << c.what;
}

void EnterAll(CGameFacade& facade, std::initializer_list<const char*> moves) {
    for (const char* move : moves) ASSERT_STREQ(facade.EnterMove(move), "") << move;
}

}  // namespace

// Every row of the compositing table, in both orientations, on the initial
// position and the real bitmaps.
TEST(BoardPictureTest, EachSquareIsComposedAsTheTableSays) {
    const SquareCase cases[] = {
        {"e4 empty, light", false, kNone, kNone, 4, 4, kNone, kNone, kWhiteSquare},
        {"e4 empty, light, picked", false, 4, 4, 4, 4, kNone, kNone, kWhiteSquare},
        {"a8 black rook, light", false, kNone, kNone, 0, 0, 12, 14, kPieceOnWhite},
        {"e1 white king, dark", false, kNone, kNone, 4, 7, 0, 1, kPieceOnBlack},
        {"a8 black rook, light, picked", false, 0, 0, 0, 0, 12, 14, kBlackSilhouette},
        {"d4 empty, dark", false, kNone, kNone, 3, 4, kNone, kNone, kBlackSquare},
        {"d4 empty, dark, picked", false, 3, 4, 3, 4, kNone, kNone, kBlackSquare},
        {"b8 black knight, dark", false, kNone, kNone, 1, 0, 9, 11, kPieceOnBlack},
        {"d1 white queen, light", false, kNone, kNone, 3, 7, 3, 4, kPieceOnWhite},
        {"c1 white bishop, dark", false, kNone, kNone, 2, 7, 6, 7, kPieceOnBlack},
        {"g1 white knight, dark, picked", false, 6, 7, 6, 7, 9, 10, kWhiteSilhouette},
        {"b8 knight beside the picked g1", false, 6, 7, 1, 0, 9, 11, kPieceOnBlack},

        {"e4 empty, light (flipped)", true, kNone, kNone, 3, 3, kNone, kNone, kWhiteSquare},
        {"e4 empty, light, picked (flipped)", true, 3, 3, 3, 3, kNone, kNone, kWhiteSquare},
        {"h1 white rook, light (flipped)", true, kNone, kNone, 0, 0, 12, 13, kPieceOnWhite},
        {"h1 white rook, light, picked (flipped)", true, 0, 0, 0, 0, 12, 13, kBlackSilhouette},
        {"f4 empty, dark (flipped)", true, kNone, kNone, 2, 3, kNone, kNone, kBlackSquare},
        {"f4 empty, dark, picked (flipped)", true, 2, 3, 2, 3, kNone, kNone, kBlackSquare},
        {"g1 white knight, dark (flipped)", true, kNone, kNone, 1, 0, 9, 10, kPieceOnBlack},
        {"g1 white knight, dark, picked (flipped)", true, 1, 0, 1, 0, 9, 10, kWhiteSilhouette},
        {"e8 black king, light (flipped)", true, kNone, kNone, 3, 7, 0, 2, kPieceOnWhite},
        {"d8 black queen, dark (flipped)", true, kNone, kNone, 4, 7, 3, 5, kPieceOnBlack},
        {"h7 black pawn, light (flipped)", true, kNone, kNone, 0, 6, 15, 17, kPieceOnWhite},
    };
    CGameFacade facade;
    CBoardPicture board(Bitmaps());
    for (const SquareCase& c : cases) {
        const CPixelBuffer& picture =
            board.Build(facade, c.flipped, c.pickColumn != kNone, c.pickColumn, c.pickRow);
        ASSERT_EQ(picture.Width(), 376);
        ASSERT_EQ(picture.Height(), 376);
        ExpectSquare(picture, c);
    }
}

TEST(BoardPictureTest, PickedKnightKeepsItsShapeAfterAMove) {
    // The knight on f3 (light) shows as a black silhouette when picked.
    CGameFacade facade;
    EnterAll(facade, {"Nf3"});
    CBoardPicture board(Bitmaps());
    ExpectSquare(board.Build(facade, false, true, 5, 5),
                 {"f3 white knight, light, picked", false, 5, 5, 5, 5, 9, 10, kBlackSilhouette});
    ExpectSquare(board.Build(facade, false, false, 0, 0),
                 {"g1 empty, dark", false, kNone, kNone, 6, 7, kNone, kNone, kBlackSquare});
}

// The keyboard's cursor: a black band round a white one inside its square;
// every pixel outside the two bands is the board's own.
TEST(BoardPictureTest, CursorFramesItsSquareAndLeavesTheRest) {
    CGameFacade facade;
    CBoardPicture board(Bitmaps());
    const CPixelBuffer plain = board.Build(facade, false, false, 0, 0);
    board.DrawCursor(4, 6);
    const CPixelBuffer& framed = board.Picture();
    const int left = 4 * kSquare, top = 6 * kSquare, band = CBoardPicture::kCursorBandWidth;
    for (int y = 0; y < plain.Height(); ++y) {
        for (int x = 0; x < plain.Width(); ++x) {
            const int inset = std::min({x - left, y - top, left + kSquare - 1 - x, top + kSquare - 1 - y});
            if (inset < 0 || inset >= 2 * band) {
                ASSERT_EQ(framed.Pixel(x, y), plain.Pixel(x, y)) << x << "," << y;
            } else {
                ASSERT_EQ(framed.Pixel(x, y), inset < band ? CPixelBuffer::kBlack : CPixelBuffer::kWhite)
                    << x << "," << y;
            }
        }
    }
}

TEST(BoardPictureTest, OrientationsAreMirrorImagesOfEachOther) {
    // Turning the board is a half turn of the picture, square by square.
    CGameFacade facade;
    EnterAll(facade, {"e4", "c5", "Nf3"});
    CBoardPicture normal(Bitmaps()), flipped(Bitmaps());
    const CPixelBuffer& a = normal.Build(facade, false, false, 0, 0);
    const CPixelBuffer& b = flipped.Build(facade, true, false, 0, 0);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            for (int y = 0; y < kSquare; y += 5)
                for (int x = 0; x < kSquare; x += 5)
                    ASSERT_EQ(a.Pixel(column * kSquare + x, row * kSquare + y),
                              b.Pixel((7 - column) * kSquare + x, (7 - row) * kSquare + y))
                        << column << "," << row;
}

TEST(BoardPictureTest, RebuildingForgetsThePreviousPosition) {
    CGameFacade start, moved;
    EnterAll(moved, {"e4"});
    CBoardPicture board(Bitmaps()), fresh(Bitmaps());
    board.Build(moved, true, true, 2, 2);
    EXPECT_EQ(board.Build(start, false, false, 0, 0), fresh.Build(start, false, false, 0, 0));
}
