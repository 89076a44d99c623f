// The program's own file type, .pgn, registered for the user (CShellFileType):
// the shell shows games with the document icon and opens and prints them with
// the program.
#pragma once

#include <string>

#include "app/win32/kit/shellfiletype.h"

class CFileType {
public:
    using Result = CShellFileType::Result;

    // Software\Classes below HKEY_CURRENT_USER; tests pass another.
    static std::string DefaultKey() { return CShellFileType::DefaultKey(); }
    static std::wstring ProgramPath() { return CShellFileType::ProgramPath(); }

    static Result Register(const std::wstring& exePath, const std::string& key = DefaultKey());
    static bool IsRegistered(const std::wstring& exePath, const std::string& key = DefaultKey());

private:
    static const CShellFileType::Names kNames;
};
