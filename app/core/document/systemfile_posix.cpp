#include "app/core/document/systemfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "app/core/document/pgnfile.h"

CSystemFile::Ptr CSystemFile::Open(const std::string& name, const char* mode) {
    return Ptr(std::fopen(name.c_str(), mode));
}

CSystemFile::Ptr CSystemFile::CreateNew(const std::string& name) { return Ptr(std::fopen(name.c_str(), "wbx")); }

bool CSystemFile::RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool CSystemFile::Sync(std::FILE* file) { return fsync(fileno(file)) == 0; }

// Without it the rename itself can be lost. A folder that cannot be synced
// (some file systems refuse) leaves the save as done.
void CSystemFile::SyncFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::u8path(path).parent_path().u8string();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

void CSystemFile::ClearCause() { errno = 0; }

int CSystemFile::LastCause() {
    // A full quota is a full disk to the user; only these systems know it.
    if (errno == EDQUOT) return CPgnFile::kDiskFull;
    return errno != 0 ? CPgnFile::CauseOf(errno) : CPgnFile::kGeneric;
}

std::string CSystemFile::Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : std::string();
}
