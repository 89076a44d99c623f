#include "app/core/pgnfile.h"

#include <gtest/gtest.h>

#include <cerrno>

// The file messages show the framework's cause numbers on every platform.
TEST(PgnFileCause, CLibraryErrorsMapToTheCauseNumbers) {
    const struct {
        int error;
        int cause;
    } cases[] = {
        {0, 0}, {ENOENT, 2}, {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {EMFILE, 4}, {EACCES, 5},
        {EISDIR, 5}, {EIO, 10}, {EBUSY, 11}, {ENOLCK, 12}, {ENOSPC, 13}, {EFBIG, 13}, {EAGAIN, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(CPgnFile::CauseOf(c.error), c.cause) << c.error;
}

TEST(PgnFileCause, WindowsErrorsMapToTheCauseNumbers) {
    const struct {
        unsigned long code;
        int cause;
    } cases[] = {
        {0, 0},    {2, 2},   {3, 3},   {123, 3}, {206, 3},  {4, 4},  {5, 5},   {19, 5},
        {6, 6},    {31, 10}, {32, 11}, {33, 12}, {112, 13}, {39, 13}, {87, 1}, {1234, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(CPgnFile::CauseOfWindowsError(c.code), c.cause) << c.code;
}
