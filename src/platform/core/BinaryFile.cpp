#include "platform/core/BinaryFile.h"

#include "platform/core/RuntimeError.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
WriteFaults& InstalledFaults() {
    static WriteFaults faults;
    return faults;
}

// The system calls that write, each failing as the installed faults say.
int OpenForWriting(const char* path, int flags) {
    if (const int error = InstalledFaults().createError) {
        errno = error;
        return -1;
    }
    return ::open(path, flags, 0666);
}

int MakeStagingFile(std::string& pattern) {
    if (const int error = InstalledFaults().createError) {
        errno = error;
        return -1;
    }
    return ::mkstemp(pattern.data());
}

ssize_t WriteSome(int fd, const std::uint8_t* data, std::size_t count) {
    std::int64_t& room = InstalledFaults().bytesBeforeDiskFull;
    if (room < 0) return ::write(fd, data, count);
    if (room == 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t n = ::write(fd, data, std::min(count, static_cast<std::size_t>(room)));
    if (n > 0) room -= n;
    return n;
}

int SyncData(int fd) {
    if (const int error = InstalledFaults().syncError) {
        errno = error;
        return -1;
    }
    return ::fdatasync(fd);
}

int RenameFile(const char* from, const char* to) {
    if (const int error = InstalledFaults().renameError) {
        errno = error;
        return -1;
    }
    return ::rename(from, to);
}

[[noreturn]] void RaiseFromErrno(int errnoValue) {
    RaiseError(ErrorNumberFromErrno(errnoValue));
}

// A missing folder on the way to a file is "Path not found"; a missing file "File not found".
[[noreturn]] void RaiseOpenFailure(const std::string& path, int errnoValue) {
    if (errnoValue == ENOENT) {
        const auto slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
        if (!FolderExists(folder)) RaiseError(err::PathNotFound);
    }
    RaiseFromErrno(errnoValue);
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    void Close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) RaiseFromErrno(errno);
    }

  private:
    int fd_;
};

void WriteAll(int fd, std::span<const std::uint8_t> bytes) {
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
} // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) RaiseOpenFailure(path, errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) RaiseFromErrno(errno);
    if (S_ISDIR(st.st_mode)) RaiseError(err::PathFileAccessError);
    if (st.st_size > kLargestReadableFile) RaiseError(err::OutOfMemory);

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseFromErrno(errno);
        }
        if (n == 0) break; // the file shrank while we read it
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    FileDescriptor fd(OpenForWriting(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC));
    if (fd.get() < 0) RaiseOpenFailure(path, errno);
    WriteAll(fd.get(), bytes);
    fd.Close();
}

namespace {
// The new file is made beside the path, written, flushed to disk and renamed over the path; a
// replacement that is not committed removes its file and leaves the path untouched.
class StagedFileReplacement {
  public:
    explicit StagedFileReplacement(const std::string& path)
        : path_(path), staging_(path + ".saving-XXXXXX") {
        fd_ = MakeStagingFile(staging_);
        if (fd_ < 0) RaiseOpenFailure(path, errno);
        // mkstemp makes the file private; give it the mode a newly created file would have.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd_, 0666 & ~mask) != 0) {
            // A constructor that throws gets no destructor: tidy up here.
            const int error = errno;
            ::close(fd_);
            ::unlink(staging_.c_str());
            RaiseFromErrno(error);
        }
    }
    ~StagedFileReplacement() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(staging_.c_str());
    }
    StagedFileReplacement(const StagedFileReplacement&) = delete;
    StagedFileReplacement& operator=(const StagedFileReplacement&) = delete;

    void WriteAndCommit(std::span<const std::uint8_t> bytes) {
        WriteAll(fd_, bytes);
        if (SyncData(fd_) != 0) RaiseFromErrno(errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) RaiseFromErrno(errno);
        if (RenameFile(staging_.c_str(), path_.c_str()) != 0) RaiseFromErrno(errno);
        committed_ = true;
    }

  private:
    std::string path_;
    std::string staging_;
    int fd_ = -1;
    bool committed_ = false;
};
} // namespace

void ReplaceFileWithBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    StagedFileReplacement(path).WriteAndCommit(bytes);
}

namespace {
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}
} // namespace

std::string FindFileIgnoringCase(const std::string& path) {
    if (FileExists(path)) return path;
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) return path;
    std::string found = path;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string candidate = entry->d_name;
        if (SameIgnoringCase(candidate, name) && FileExists(folder + "/" + candidate)) {
            found = folder + "/" + candidate;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

void SetWriteFaultsForTesting(const WriteFaults& faults) {
    InstalledFaults() = faults;
}

bool WriteFaultsInstalled() {
    const WriteFaults& f = InstalledFaults();
    return f.bytesBeforeDiskFull >= 0 || f.createError != 0 || f.syncError != 0 ||
           f.renameError != 0;
}
