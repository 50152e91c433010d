#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <sys/types.h>

// The system calls through which the file modules write, each failing as the test faults
// installed with SetWriteFaultsForTesting say, and the helpers that turn their failures into
// the run-time errors the author is shown. Used by the file modules only.
namespace file_calls {
int OpenForWriting(const char* path, int flags, mode_t mode);
// mkstemp on the pattern, which ends in XXXXXX.
int MakeUniqueFile(std::string& pattern);
int SyncData(int fd);
int Rename(const char* from, const char* to);
int Link(const char* existing, const char* added);

// Writes every byte or raises the error (61 when the disk is full). A write past the
// file-size limit fails with an error instead of ending the program by signal.
void WriteAll(int fd, std::span<const std::uint8_t> bytes);

[[noreturn]] void RaiseFromErrno(int errnoValue);
// A missing folder on the way to a file is "Path not found"; a missing file "File not found".
[[noreturn]] void RaiseOpenFailure(const std::string& path, int errnoValue);

// Opens a regular file for reading and gives its descriptor and size. Opened without blocking:
// a pipe or a device in the file's place would otherwise wait forever for a writer. Anything but
// a regular file is refused with "Path/File access error", a file larger than largest with
// "Out of memory".
int OpenFileForReading(const std::string& path, std::int64_t largest, std::int64_t& size);

// Closes the file when it goes, unless Close was called, which reports a failure.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    void Close();
    // Hands the open file over to the caller, who closes it.
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};
} // namespace file_calls
