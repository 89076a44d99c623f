// A file type in the user's part of the registry (no administrator rights
// needed): the shell shows the files with the program's document icon and
// opens and prints them with the program.
#pragma once

#include <string>

class CShellFileType {
public:
    enum class Result { kUnchanged, kWritten, kFailed };

    // The type's names, UTF-8.
    struct Names {
        const char* extension;    // ".pgn"
        const char* typeId;       // the class the extension names
        const char* typeName;     // what the shell calls the type
        int iconResource;         // the document icon's number in the program
        const char* printSwitch;  // what the program's command line takes before a file to print
    };

    // Below HKEY_CURRENT_USER, where the user's file types live; tests pass another.
    static std::string DefaultKey();
    // The path of the running program, for Register.
    static std::wstring ProgramPath();

    // Makes the registration point at exePath, writing only what differs, so
    // that a start-up with everything in place costs a few reads; tells the
    // shell when it wrote.
    static Result Register(const Names& names, const std::wstring& exePath, const std::string& key);
    // Whether everything Register writes is there as it would write it.
    static bool IsRegistered(const Names& names, const std::wstring& exePath, const std::string& key);
};
