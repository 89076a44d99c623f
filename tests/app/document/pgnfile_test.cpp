#include "app/core/document/pgnfile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

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

// A file is read whole up to the limit and not at all beyond it.
TEST(PgnFileRead, AFileOverTheLimitIsRefusedAsTooLarge) {
    const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "pgnfile_limit.pgn";
    std::ofstream(path, std::ios::binary) << "1.e4 e5 *\r\n";
    const size_t size = std::filesystem::file_size(path);
    const struct {
        size_t limit;
        int cause;
        bool tooLarge;
        std::string content;
    } cases[] = {
        {size, CPgnFile::kNoError, false, "1.e4 e5 *\r\n"},
        {size + 1, CPgnFile::kNoError, false, "1.e4 e5 *\r\n"},
        {size - 1, CPgnFile::kGeneric, true, ""},
        {0, CPgnFile::kGeneric, true, ""},
    };
    for (const auto& c : cases) {
        std::string content = "left over";
        bool tooLarge = !c.tooLarge;
        EXPECT_EQ(CPgnFile::Read(path.string(), c.limit, &content, &tooLarge), c.cause) << c.limit;
        EXPECT_EQ(tooLarge, c.tooLarge) << c.limit;
        EXPECT_EQ(content, c.content) << c.limit;
    }
    std::filesystem::remove(path);
}
