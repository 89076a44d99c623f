// PGN files on disk, byte for byte, with failures given as the cause numbers
// that the file messages show.
#pragma once

#include <cstddef>
#include <string>

class CPgnFile {
public:
    // Cause numbers of the file messages.
    static constexpr int kNoError = 0;
    static constexpr int kGeneric = 1;
    static constexpr int kFileNotFound = 2;
    static constexpr int kBadPath = 3;
    static constexpr int kTooManyOpenFiles = 4;
    static constexpr int kAccessDenied = 5;
    static constexpr int kInvalidFile = 6;
    static constexpr int kHardIo = 10;
    static constexpr int kSharingViolation = 11;
    static constexpr int kLockViolation = 12;
    static constexpr int kDiskFull = 13;

    // The cause number of a C library error number (errno).
    static int CauseOf(int systemError);
    // The cause number of a Windows error code (GetLastError), which tells
    // more than the C library's errno there: a missing folder is a bad path.
    static int CauseOfWindowsError(unsigned long code);

    // Reads the whole file into content; the cause number, kNoError on success.
    // A file of more than maxSize bytes, or one the memory cannot hold, is not
    // read: kGeneric, with *tooLarge set.
    static int Read(const std::string& path, size_t maxSize, std::string* content, bool* tooLarge);

    // Writes content to a new file beside path (beside the file a link names)
    // and puts it in place of that file only when everything was written, so a
    // failure leaves the old file as it was. A device or pipe is not replaced.
    // Returns the cause number; *whileWriting tells whether the failure came
    // after the file could be created.
    static int Write(const std::string& path, const std::string& content, bool* whileWriting);
};
