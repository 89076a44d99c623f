#include "app/core/pgnfile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr size_t kReadChunk = 1 << 16;
constexpr int kMaxTemporaryTries = 100;
constexpr const char* kTemporarySuffix = ".tmp";
constexpr const char* kReadMode = "rb";
constexpr const char* kTestWriteMode = "r+b";
// "x": never take over a file that exists already.
constexpr const char* kCreateMode = "wbx";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// errno after a failed call; a call that failed without one is a generic error.
int LastCause() { return errno != 0 ? CPgnFile::CauseOf(errno) : CPgnFile::kGeneric; }

int WriteAll(std::FILE* file, const std::string& content) {
    errno = 0;
    if (std::fwrite(content.data(), 1, content.size(), file) != content.size()) return LastCause();
    if (std::fflush(file) != 0) return LastCause();
    return CPgnFile::kNoError;
}

// Creates a file of a free name beside path; its name goes to *name.
FilePtr CreateTemporary(const std::string& path, std::string* name, int* cause) {
    for (int i = 0; i < kMaxTemporaryTries; ++i) {
        *name = path + kTemporarySuffix + std::to_string(i);
        errno = 0;
        FilePtr file(std::fopen(name->c_str(), kCreateMode));
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
        case EDQUOT:
        case EFBIG:
            return kDiskFull;
        default:
            return kGeneric;
    }
}

int CPgnFile::Read(const std::string& path, std::string* content) {
    content->clear();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return kAccessDenied;
    // A device or pipe could give bytes for ever.
    if (fs::exists(status) && !fs::is_regular_file(status)) return kInvalidFile;

    errno = 0;
    FilePtr file(std::fopen(path.c_str(), kReadMode));
    if (!file) return LastCause();
    const uintmax_t size = fs::file_size(path, error);
    if (!error) content->reserve(static_cast<size_t>(size));
    char chunk[kReadChunk];
    for (;;) {
        errno = 0;
        const size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        content->append(chunk, got);
        if (got < sizeof chunk) break;
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
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return kAccessDenied;
    const bool existed = fs::exists(status);
    // Putting a file in place of a device or pipe would remove it.
    if (existed && !fs::is_regular_file(status)) return kInvalidFile;
    // Through a link, the file it names is replaced, not the link.
    std::string target = path;
    if (existed && fs::is_symlink(fs::symlink_status(path, error))) {
        const fs::path real = fs::canonical(path, error);
        if (!error) target = real.string();
    }
    if (existed) {
        // The old file must be one we may write: a read-only file stays untouched.
        errno = 0;
        FilePtr probe(std::fopen(target.c_str(), kTestWriteMode));
        if (!probe) return LastCause();
    }

    std::string temporary;
    int cause = kNoError;
    FilePtr file = CreateTemporary(target, &temporary, &cause);
    if (!file) return cause;

    *whileWriting = true;
    cause = WriteAll(file.get(), content);
    errno = 0;
    // Closing can be the first to learn that the disk is full.
    if (std::fclose(file.release()) != 0 && cause == kNoError) cause = LastCause();
    if (cause == kNoError && existed) fs::permissions(temporary, status.permissions(), error);
    if (cause == kNoError) {
        errno = 0;
        if (std::rename(temporary.c_str(), target.c_str()) != 0) cause = LastCause();
    }
    if (cause != kNoError) std::remove(temporary.c_str());
    return cause;
}
