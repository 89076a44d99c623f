#include "app/win32/kit/droppedfiles.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A drop as the shell hands it over: the header, then the wide names, each
// ended by a null, and a null after the last.
HDROP MakeDrop(const std::wstring& names) {
    // Room for the last null, which the zeroed memory gives.
    const size_t bytes = sizeof(DROPFILES) + (names.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.c_str(),
                (names.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace

TEST(DroppedFiles, EveryPathInTheDropsOrderAsUtf8) {
    std::wstring names = L"C:\\a.pgn";
    names += L'\0';
    names += L"C:\\\u00dcbung\\\u0436.pgn";
    names += L'\0';
    const std::vector<std::string> paths = CDroppedFiles::Take(MakeDrop(names));
    const std::vector<std::string> expected = {"C:\\a.pgn", "C:\\\xC3\x9C" "bung\\\xD0\xB6.pgn"};
    EXPECT_EQ(paths, expected);
    std::wstring one = L"D:\\Spiele\\eins.pgn";
    one += L'\0';
    EXPECT_EQ(CDroppedFiles::Take(MakeDrop(one)), std::vector<std::string>{"D:\\Spiele\\eins.pgn"});
}
