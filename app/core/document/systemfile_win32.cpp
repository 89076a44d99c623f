#include "app/core/document/systemfile.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "app/core/document/pgnfile.h"

namespace {

// Windows wants the UTF-8 names as wide text.
std::filesystem::path PathOf(const std::string& utf8) { return std::filesystem::u8path(utf8); }

}  // namespace

CSystemFile::Ptr CSystemFile::Open(const std::string& name, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return Ptr(_wfopen(PathOf(name).c_str(), wideMode.c_str()));
}

CSystemFile::Ptr CSystemFile::CreateNew(const std::string& name) {
    const int fd = _wopen(PathOf(name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) _close(fd);
    return Ptr(file);
}

// The C library's rename refuses a target that exists. Written through, the
// folder's entry reaches the disk with it.
bool CSystemFile::RenameOver(const std::string& from, const std::string& to) {
    return MoveFileExW(PathOf(from).c_str(), PathOf(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

bool CSystemFile::Sync(std::FILE* file) { return _commit(_fileno(file)) == 0; }

// MOVEFILE_WRITE_THROUGH has done it.
void CSystemFile::SyncFolderOf(const std::string&) {}

void CSystemFile::ClearCause() {
    errno = 0;
    SetLastError(0);
}

// GetLastError tells more than the C library's errno here.
int CSystemFile::LastCause() {
    const int cause = CPgnFile::CauseOfWindowsError(GetLastError());
    if (cause != CPgnFile::kNoError && cause != CPgnFile::kGeneric) return cause;
    return errno != 0 ? CPgnFile::CauseOf(errno) : CPgnFile::kGeneric;
}

// The wide environment keeps any letter of a path; the narrow one only the code page's.
std::string CSystemFile::Environment(const char* name) {
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
    return value != nullptr ? std::filesystem::path(value).u8string() : std::string();
}
