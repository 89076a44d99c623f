#include "app/core/document/pgnfile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>
#include <system_error>

#include "app/core/document/systemfile.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kReadChunk = 1 << 16;
constexpr int kMaxTemporaryTries = 100;
constexpr const char* kTemporarySuffix = ".tmp";
constexpr const char* kReadMode = "rb";
constexpr const char* kTestWriteMode = "r+b";

using FilePtr = CSystemFile::Ptr;

// Names come as UTF-8 on every platform.
fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }

void RemoveFile(const std::string& name) {
    std::error_code error;
    fs::remove(PathOf(name), error);
}

int WriteAll(std::FILE* file, const std::string& content) {
    CSystemFile::ClearCause();
    if (std::fwrite(content.data(), 1, content.size(), file) != content.size()) return CSystemFile::LastCause();
    if (std::fflush(file) != 0) return CSystemFile::LastCause();
    if (!CSystemFile::Sync(file)) return CSystemFile::LastCause();
    return CPgnFile::kNoError;
}

// Creates a file of a free name beside path; its name goes to *name.
FilePtr CreateTemporary(const std::string& path, std::string* name, int* cause) {
    for (int i = 0; i < kMaxTemporaryTries; ++i) {
        *name = path + kTemporarySuffix + std::to_string(i);
        CSystemFile::ClearCause();
        FilePtr file = CSystemFile::CreateNew(*name);
        if (file) return file;
        if (errno != EEXIST) {
            *cause = CSystemFile::LastCause();
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
        case ELOOP:
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
        case ETXTBSY:
            return kSharingViolation;
        case ENOLCK:
        case EDEADLK:
            return kLockViolation;
        case ENOSPC:
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

    CSystemFile::ClearCause();
    FilePtr file = CSystemFile::Open(path, kReadMode);
    if (!file) return CSystemFile::LastCause();
    try {
        const uintmax_t size = fs::file_size(PathOf(path), error);
        if (!error && size > maxSize) throw std::length_error("file too large");
        if (!error) content->reserve(static_cast<size_t>(size));
        char chunk[kReadChunk];
        for (;;) {
            CSystemFile::ClearCause();
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
        return CSystemFile::LastCause();
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
        CSystemFile::ClearCause();
        FilePtr probe = CSystemFile::Open(target, kTestWriteMode);
        if (!probe) return CSystemFile::LastCause();
    }

    std::string temporary;
    int cause = kNoError;
    FilePtr file = CreateTemporary(target, &temporary, &cause);
    if (!file) return cause;

    *whileWriting = true;
    cause = WriteAll(file.get(), content);
    CSystemFile::ClearCause();
    // Closing can be the first to learn that the disk is full.
    if (std::fclose(file.release()) != 0 && cause == kNoError) cause = CSystemFile::LastCause();
    if (cause == kNoError && existed) fs::permissions(PathOf(temporary), status.permissions(), error);
    if (cause == kNoError) {
        CSystemFile::ClearCause();
        if (!CSystemFile::RenameOver(temporary, target))
            cause = CSystemFile::LastCause();
        else
            CSystemFile::SyncFolderOf(target);
    }
    if (cause != kNoError) RemoveFile(temporary);
    return cause;
}
