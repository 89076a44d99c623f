// The .pgn file type in the user's part of the registry (no administrator
// rights needed): the shell shows games with the document icon and opens and
// prints them with the program.
#pragma once

#include <string>

class CFileType {
public:
    enum class Result { kUnchanged, kWritten, kFailed };

    // Below HKEY_CURRENT_USER, where the user's file types live; tests pass another.
    static std::string DefaultKey();
    // The path of the running program, for Register.
    static std::wstring ProgramPath();

    // Makes the registration point at exePath, writing only what differs, so
    // that a start-up with everything in place costs a few reads; tells the
    // shell when it wrote.
    static Result Register(const std::wstring& exePath, const std::string& key = DefaultKey());
    // Whether everything Register writes is there as it would write it.
    static bool IsRegistered(const std::wstring& exePath, const std::string& key = DefaultKey());
};
