// The narrow arguments of main are in the ANSI code page, which lacks most of
// the world's letters: a file name in any other is lost before it could be
// opened. The tool starts at wmain instead (-municode) and carries its wide
// arguments as UTF-8, as the file functions take them.
#include "tools/cli/platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "tools/cli/main.h"

namespace {

std::string Utf8(const wchar_t* wide) {
    const int length = static_cast<int>(std::wcslen(wide));
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, &text[0], size, nullptr, nullptr);
    return text;
}

std::wstring Wide(const std::string& utf8) {
    const int length = static_cast<int>(utf8.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, &wide[0], size);
    return wide;
}

}  // namespace

namespace cli {

// A console would show UTF-8 bytes in its own code page; it is handed the
// letters. Redirected, the message stays UTF-8 like everything the tool writes.
void WriteError(const std::string& text) {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(error, &mode)) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        return;
    }
    std::fflush(stderr);
    const std::wstring wide = Wide(text);
    DWORD written = 0;
    WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

}  // namespace cli

int wmain(int argc, wchar_t** argv) {
    // Records and engine lines end in LF alone, as on every other platform;
    // text mode would make CR LF of them, and take CRs out of input.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.push_back(Utf8(argv[i]));
    return cli::Main(args);
}
