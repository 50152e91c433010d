#include "platform/core/BinaryFile.h"

#include "platform/core/FileSystemCalls.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/StagedFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace file_calls;

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {
// Opened without blocking: a pipe or a device in the file's place would otherwise wait forever
// for a writer. Anything but a regular file is refused.
int OpenRegularFile(const std::string& path, struct stat& st) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) RaiseOpenFailure(path, errno);
    if (::fstat(fd.get(), &st) != 0) RaiseFromErrno(errno);
    if (!S_ISREG(st.st_mode)) RaiseError(err::PathFileAccessError);
    return fd.Release();
}

std::size_t ReadSome(int fd, std::uint8_t* out, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(fd, out, count);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) RaiseFromErrno(errno);
    }
}
} // namespace

int file_calls::OpenFileForReading(const std::string& path, std::int64_t largest,
                                   std::int64_t& size) {
    struct stat st {};
    FileDescriptor fd(OpenRegularFile(path, st));
    if (st.st_size > largest) RaiseError(err::OutOfMemory);
    size = st.st_size;
    return fd.Release();
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path, std::int64_t largest) {
    std::int64_t size = 0;
    const FileDescriptor fd(file_calls::OpenFileForReading(path, largest, size));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t n = ReadSome(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n == 0) break; // the file shrank while we read it
        done += n;
    }
    bytes.resize(done);
    return bytes;
}

FileInPieces::FileInPieces(const std::string& path) {
    struct stat st {};
    fd_ = OpenRegularFile(path, st);
}

FileInPieces::~FileInPieces() {
    ::close(fd_);
}

std::size_t FileInPieces::Read(std::span<std::uint8_t> out) {
    return ReadSome(fd_, out.data(), out.size());
}

void WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    FileDescriptor fd(
        OpenForWriting(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666));
    if (fd.get() < 0) RaiseOpenFailure(path, errno);
    WriteAll(fd.get(), bytes);
    fd.Close();
}

void ReplaceFileWithBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    StagedFile staged(path);
    staged.Write(bytes);
    staged.Commit();
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
