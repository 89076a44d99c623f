#include "app/core/picture/boardgeometry.h"

namespace {

// Truncates toward zero like the division it stands for, but never below 0.
int ScreenIndex(int point, int extent) {
    const long long index = static_cast<long long>(point) * CBoardGeometry::kSquares / extent;
    return index < 0 ? 0 : static_cast<int>(index);
}

}  // namespace

void CBoardGeometry::ScreenToBoard(int column, int row, bool flipped, int* rank, int* file) {
    *rank = flipped ? row : kLastIndex - row;
    *file = flipped ? kLastIndex - column : column;
}

void CBoardGeometry::BoardToScreen(int rank, int file, bool flipped, int* column, int* row) {
    *row = flipped ? rank : kLastIndex - rank;
    *column = flipped ? kLastIndex - file : file;
}

bool CBoardGeometry::SquareAt(int x, int y, int width, int height, int* column, int* row) {
    if (width <= 0 || height <= 0) return false;
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    *column = ScreenIndex(x, width);
    *row = ScreenIndex(y, height);
    return true;
}

void CBoardGeometry::SquareName(int column, int row, bool flipped, char* out) {
    int rank = 0, file = 0;
    ScreenToBoard(column, row, flipped, &rank, &file);
    out[0] = static_cast<char>('a' + file);
    out[1] = static_cast<char>('1' + rank);
}
