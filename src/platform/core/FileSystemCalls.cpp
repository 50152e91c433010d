#include "platform/core/FileSystemCalls.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/RuntimeError.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
WriteFaults& InstalledFaults() {
    static WriteFaults faults;
    return faults;
}

bool Fails(int error) {
    if (error == 0) return false;
    errno = error;
    return true;
}

ssize_t WriteSome(int fd, const std::uint8_t* data, std::size_t count) {
    std::int64_t& room = InstalledFaults().bytesBeforeDiskFull;
    if (room < 0) return ::write(fd, data, count);
    if (room == 0 && Fails(ENOSPC)) return -1;
    const ssize_t n = ::write(fd, data, std::min(count, static_cast<std::size_t>(room)));
    if (n > 0) room -= n;
    return n;
}

// While it lives, a write past the file-size limit fails with EFBIG instead of raising the
// signal whose default action ends the program.
class FileSizeSignalIgnored {
  public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, &previous_);
    }
    ~FileSizeSignalIgnored() { ::sigaction(SIGXFSZ, &previous_, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

  private:
    struct sigaction previous_ {};
};
} // namespace

namespace file_calls {
int OpenForWriting(const char* path, int flags, mode_t mode) {
    if (Fails(InstalledFaults().createError)) return -1;
    return ::open(path, flags, mode);
}

int MakeUniqueFile(std::string& pattern) {
    if (Fails(InstalledFaults().createError)) return -1;
    return ::mkstemp(pattern.data());
}

int SyncData(int fd) {
    if (Fails(InstalledFaults().syncError)) return -1;
    return ::fdatasync(fd);
}

int Rename(const char* from, const char* to) {
    WriteFaults& faults = InstalledFaults();
    if (faults.renamesBeforeError > 0) {
        --faults.renamesBeforeError;
        return ::rename(from, to);
    }
    if ((faults.renameOnto.empty() || faults.renameOnto == to) && Fails(faults.renameError))
        return -1;
    return ::rename(from, to);
}

int Link(const char* existing, const char* added) {
    if (Fails(InstalledFaults().createError) || Fails(InstalledFaults().linkError)) return -1;
    return ::link(existing, added);
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    const FileSizeSignalIgnored signalIgnored;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = WriteSome(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseFromErrno(errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

[[noreturn]] void RaiseFromErrno(int errnoValue) {
    RaiseError(ErrorNumberFromErrno(errnoValue));
}

[[noreturn]] void RaiseOpenFailure(const std::string& path, int errnoValue) {
    if (errnoValue == ENOENT) {
        const auto slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
        if (!FolderExists(folder)) RaiseError(err::PathNotFound);
    }
    RaiseFromErrno(errnoValue);
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
}

void FileDescriptor::Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) RaiseFromErrno(errno);
}
} // namespace file_calls

void SetWriteFaultsForTesting(const WriteFaults& faults) {
    InstalledFaults() = faults;
}

bool WriteFaultsInstalled() {
    const WriteFaults& f = InstalledFaults();
    return f.bytesBeforeDiskFull >= 0 || f.createError != 0 || f.syncError != 0 ||
           f.renameError != 0 || f.linkError != 0;
}
