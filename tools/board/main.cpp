// torvo-board: draws the board picture of a game as the view shows it and
// writes it as a PNG file, for looking at the pictures and the compositing.
//
//     torvo-board OUT.png [--flip] [--pick SQUARE] [MOVE...]

#include <cstdio>
#include <cstring>
#include <string>

#include "app/core/picture/boardgeometry.h"
#include "app/core/picture/boardpicture.h"
#include "app/core/picture/piecebitmaps.h"
#include "game/gamefacade.h"
#include "pngfile.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

int Usage() {
    std::fprintf(stderr, "usage: torvo-board OUT.png [--flip] [--pick SQUARE] [MOVE...]\n");
    return kUsageError;
}

// "g1" as rank and file indices; false for anything else.
bool ParseSquare(const char* text, int* rank, int* file) {
    if (std::strlen(text) != 2 || text[0] < 'a' || text[0] > 'h' || text[1] < '1' || text[1] > '8')
        return false;
    *file = text[0] - 'a';
    *rank = text[1] - '1';
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return Usage();
    const char* out = argv[1];
    bool flipped = false, picked = false;
    int pickRank = 0, pickFile = 0;
    CGameFacade facade;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--flip") == 0) {
            flipped = true;
        } else if (std::strcmp(argv[i], "--pick") == 0) {
            if (i + 1 >= argc || !ParseSquare(argv[i + 1], &pickRank, &pickFile)) return Usage();
            picked = true;
            ++i;
        } else {
            const char* answer = facade.EnterMove(argv[i]);
            if (answer[0] != '\0') {
                std::fprintf(stderr, "torvo-board: %s\n", answer);
                return kUsageError;
            }
        }
    }

    CPieceBitmaps bitmaps;
    const char* failure = bitmaps.Load();
    if (failure[0] != '\0') {
        std::fprintf(stderr, "torvo-board: %s\n", failure);
        return kFailure;
    }
    int column = 0, row = 0;
    CBoardGeometry::BoardToScreen(pickRank, pickFile, flipped, &column, &row);
    CBoardPicture picture(bitmaps);
    if (!CPngFile::Write(picture.Build(facade, flipped, picked, column, row), out)) {
        std::fprintf(stderr, "torvo-board: cannot write %s\n", out);
        return kFailure;
    }
    return 0;
}
