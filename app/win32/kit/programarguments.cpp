#include "app/win32/kit/programarguments.h"

#include <shellapi.h>

#include "app/win32/kit/widetext.h"

std::vector<std::string> CProgramArguments::Split(const wchar_t* commandLine) {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(commandLine, &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(CWideText::Utf8(argv[i]));
    LocalFree(argv);
    return args;
}
