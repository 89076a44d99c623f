#include "app/core/pgnfile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
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
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr size_t kReadChunk = 1 << 16;
constexpr int kMaxTemporaryTries = 100;
constexpr const char* kTemporarySuffix = ".tmp";
constexpr const char* kReadMode = "rb";
constexpr const char* kTestWriteMode = "r+b";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Names come as UTF-8 on every platform; Windows wants them as wide text.
fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }

FilePtr OpenFile(const std::string& name, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return FilePtr(_wfopen(PathOf(name).c_str(), wideMode.c_str()));
#else
    return FilePtr(std::fopen(name.c_str(), mode));
#endif
}

// A new file for writing that never takes over one that exists already.
FilePtr CreateNewFile(const std::string& name) {
#ifdef _WIN32
    const int fd = _wopen(PathOf(name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) _close(fd);
    return FilePtr(file);
#else
    return FilePtr(std::fopen(name.c_str(), "wbx"));
#endif
}

// Puts `from` in the place of `to`, which may exist; false when it fails.
bool RenameOver(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // The C library's rename refuses a target that exists.
    // The cause is read from GetLastError.
    return MoveFileExW(PathOf(from).c_str(), PathOf(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

void RemoveFile(const std::string& name) {
    std::error_code error;
    fs::remove(PathOf(name), error);
}

// Forgets the last failure, so that the next one is not taken for an old one.
void ClearCause() {
    errno = 0;
#ifdef _WIN32
    SetLastError(0);
#endif
}

// The cause of the call that just failed; one that failed without telling
// why is a generic error.
int LastCause() {
#ifdef _WIN32
    const int cause = CPgnFile::CauseOfWindowsError(GetLastError());
    if (cause != CPgnFile::kNoError && cause != CPgnFile::kGeneric) return cause;
#endif
    return errno != 0 ? CPgnFile::CauseOf(errno) : CPgnFile::kGeneric;
}

// The bytes reach the disk before the file takes the old one's place: a
// power cut after the rename must not leave an empty file under the name.
bool SyncFile(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// The folder's entry for the renamed file; without it the rename itself can
// be lost. Windows writes it through with MOVEFILE_WRITE_THROUGH. A folder
// that cannot be synced (some file systems refuse) leaves the save as done.
void SyncFolderOf(const std::string& path) {
#ifndef _WIN32
    const std::string folder = PathOf(path).parent_path().u8string();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
#else
    (void)path;
#endif
}

int WriteAll(std::FILE* file, const std::string& content) {
    ClearCause();
    if (std::fwrite(content.data(), 1, content.size(), file) != content.size()) return LastCause();
    if (std::fflush(file) != 0) return LastCause();
    if (!SyncFile(file)) return LastCause();
    return CPgnFile::kNoError;
}

// Creates a file of a free name beside path; its name goes to *name.
FilePtr CreateTemporary(const std::string& path, std::string* name, int* cause) {
    for (int i = 0; i < kMaxTemporaryTries; ++i) {
        *name = path + kTemporarySuffix + std::to_string(i);
        ClearCause();
        FilePtr file = CreateNewFile(*name);
        if (file) return file;
        if (errno != EEXIST) {
            *cause = LastCause();
            return nullptr;
        }
    }
    *cause = CPgnFile::kGeneric;
    return nullptr;
}

}  // namespace

int CPgnFile::CauseOf(int systemError) {
    switch (systemError) {
        case 0:
            return kNoError;
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
#ifdef ELOOP
        case ELOOP:
#endif
            return kBadPath;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return kAccessDenied;
        case EIO:
            return kHardIo;
        case EBUSY:
#ifdef ETXTBSY
        case ETXTBSY:
#endif
            return kSharingViolation;
        case ENOLCK:
        case EDEADLK:
            return kLockViolation;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG:
            return kDiskFull;
        default:
            return kGeneric;
    }
}

int CPgnFile::CauseOfWindowsError(unsigned long code) {
    // The codes as winerror.h numbers them; this file builds on every platform.
    switch (code) {
        case 0:  // ERROR_SUCCESS
            return kNoError;
        case 2:  // ERROR_FILE_NOT_FOUND
            return kFileNotFound;
        case 3:    // ERROR_PATH_NOT_FOUND
        case 15:   // ERROR_INVALID_DRIVE
        case 53:   // ERROR_BAD_NETPATH
        case 123:  // ERROR_INVALID_NAME
        case 161:  // ERROR_BAD_PATHNAME
        case 206:  // ERROR_FILENAME_EXCED_RANGE
            return kBadPath;
        case 4:  // ERROR_TOO_MANY_OPEN_FILES
            return kTooManyOpenFiles;
        case 5:   // ERROR_ACCESS_DENIED
        case 19:  // ERROR_WRITE_PROTECT
        case 65:  // ERROR_NETWORK_ACCESS_DENIED
        case 82:  // ERROR_CANNOT_MAKE
            return kAccessDenied;
        case 6:  // ERROR_INVALID_HANDLE
            return kInvalidFile;
        case 20:  // ERROR_BAD_UNIT
        case 21:  // ERROR_NOT_READY
        case 23:  // ERROR_CRC
        case 27:  // ERROR_SECTOR_NOT_FOUND
        case 29:  // ERROR_WRITE_FAULT
        case 30:  // ERROR_READ_FAULT
        case 31:  // ERROR_GEN_FAILURE
            return kHardIo;
        case 32:  // ERROR_SHARING_VIOLATION
            return kSharingViolation;
        case 33:  // ERROR_LOCK_VIOLATION
            return kLockViolation;
        case 39:   // ERROR_HANDLE_DISK_FULL
        case 112:  // ERROR_DISK_FULL
            return kDiskFull;
        default:
            return kGeneric;
    }
}

int CPgnFile::Read(const std::string& path, size_t maxSize, std::string* content, bool* tooLarge) {
    content->clear();
    *tooLarge = false;
    std::error_code error;
    const fs::file_status status = fs::status(PathOf(path), error);
    if (fs::is_directory(status)) return kAccessDenied;
    // A device or pipe could give bytes for ever.
    if (fs::exists(status) && !fs::is_regular_file(status)) return kInvalidFile;

    ClearCause();
    FilePtr file = OpenFile(path, kReadMode);
    if (!file) return LastCause();
    try {
        const uintmax_t size = fs::file_size(PathOf(path), error);
        if (!error && size > maxSize) throw std::length_error("file too large");
        if (!error) content->reserve(static_cast<size_t>(size));
        char chunk[kReadChunk];
        for (;;) {
            ClearCause();
            const size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
            // The file may grow while it is read.
            if (got > maxSize - content->size()) throw std::length_error("file too large");
            content->append(chunk, got);
            if (got < sizeof chunk) break;
        }
    } catch (const std::bad_alloc&) {
        *tooLarge = true;
    } catch (const std::length_error&) {
        *tooLarge = true;
    }
    if (*tooLarge) {
        std::string().swap(*content);
        return kGeneric;
    }
    if (std::ferror(file.get())) {
        content->clear();
        return LastCause();
    }
    return kNoError;
}

int CPgnFile::Write(const std::string& path, const std::string& content, bool* whileWriting) {
    *whileWriting = false;
    std::error_code error;
    const fs::file_status status = fs::status(PathOf(path), error);
    if (fs::is_directory(status)) return kAccessDenied;
    const bool existed = fs::exists(status);
    // Putting a file in place of a device or pipe would remove it.
    if (existed && !fs::is_regular_file(status)) return kInvalidFile;
    // Through a link, the file it names is replaced, not the link.
    std::string target = path;
    if (existed && fs::is_symlink(fs::symlink_status(PathOf(path), error))) {
        const fs::path real = fs::canonical(PathOf(path), error);
        if (!error) target = real.u8string();
    }
    if (existed) {
        // The old file must be one we may write: a read-only file stays untouched.
        ClearCause();
        FilePtr probe = OpenFile(target, kTestWriteMode);
        if (!probe) return LastCause();
    }

    std::string temporary;
    int cause = kNoError;
    FilePtr file = CreateTemporary(target, &temporary, &cause);
    if (!file) return cause;

    *whileWriting = true;
    cause = WriteAll(file.get(), content);
    ClearCause();
    // Closing can be the first to learn that the disk is full.
    if (std::fclose(file.release()) != 0 && cause == kNoError) cause = LastCause();
    if (cause == kNoError && existed) fs::permissions(PathOf(temporary), status.permissions(), error);
    if (cause == kNoError) {
        ClearCause();
        if (!RenameOver(temporary, target))
            cause = LastCause();
        else
            SyncFolderOf(target);
    }
    if (cause != kNoError) RemoveFile(temporary);
    return cause;
}
