// The few file calls that each system makes its own way, one source per
// platform (posix/, win32/): names come as UTF-8 everywhere.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class CSystemFile {
public:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using Ptr = std::unique_ptr<std::FILE, Closer>;

    static Ptr Open(const std::string& name, const char* mode);
    // A new file for writing that never takes over one that exists already.
    static Ptr CreateNew(const std::string& name);
    // Puts `from` in the place of `to`, which may exist; false when it fails.
    static bool RenameOver(const std::string& from, const std::string& to);
    // The bytes written so far reach the disk.
    static bool Sync(std::FILE* file);
    // The folder's entry for a renamed file reaches the disk, where the
    // system needs to be told.
    static void SyncFolderOf(const std::string& path);
    // Forgets the last failure, so that the next one is not taken for an old one.
    static void ClearCause();
    // The cause number (CPgnFile's) of the call that just failed; one that
    // failed without telling why is a generic error.
    static int LastCause();
    // The environment variable's value; empty when it is not set.
    static std::string Environment(const char* name);
};
