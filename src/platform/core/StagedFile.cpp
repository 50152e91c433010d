#include "platform/core/StagedFile.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/FileSystemCalls.h"
#include "platform/core/RuntimeError.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace file_calls;

namespace {
constexpr std::size_t kUniquePartLength = 6; // what mkstemp puts in place of XXXXXX
// Earlier versions staged beside the file as NAME.saving-XXXXXX; their leftovers go too.
constexpr const char* kOldStagingInfix = ".saving-";

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at (which may not exist yet).
std::string FollowLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::vector<char> target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size())
            RaiseError(err::PathFileAccessError);
        const std::string next(target.data(), static_cast<std::size_t>(n));
        path = next.front() == '/' ? next : FolderOf(path) + "/" + next;
    }
    RaiseError(err::PathFileAccessError); // a loop of links
}

bool InGroup(gid_t group) {
    if (group == ::getegid()) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<std::size_t>(i)] == group) return true;
    return false;
}

// Whether the file's mode lets this user write it. The superuser could write it anyway, but a
// file marked read-only is not replaced behind its owner's back.
bool ModeLetsUserWrite(const struct stat& st) {
    if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) != 0;
    if (InGroup(st.st_gid)) return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

bool IsUniquePart(std::string_view part) {
    if (part.size() != kUniquePartLength) return false;
    for (char c : part)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

bool IsStagingNameOf(std::string_view entry, const std::string& prefix, const std::string& old) {
    for (const std::string& start : {prefix, old})
        if (entry.size() == start.size() + kUniquePartLength &&
            entry.substr(0, start.size()) == start && IsUniquePart(entry.substr(start.size())))
            return true;
    return false;
}

// A hexadecimal digit as StagingNamePrefix writes them: lower case only, so that a file of the
// user's own that merely looks like a staging name with capitals is never taken for one.
bool IsPrefixDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// Any file's staging name: the prefix's dot, eight hexadecimal digits and dot, or an older
// version's infix, then the unique part.
bool IsAnyStagingName(std::string_view entry) {
    if (entry.size() <= kUniquePartLength ||
        !IsUniquePart(entry.substr(entry.size() - kUniquePartLength)))
        return false;
    const std::string_view start = entry.substr(0, entry.size() - kUniquePartLength);
    if (start.size() == 10 && start.front() == '.' && start.back() == '.') {
        const std::string_view digits = start.substr(1, 8);
        return std::all_of(digits.begin(), digits.end(), IsPrefixDigit);
    }
    const std::string_view infix(kOldStagingInfix);
    return start.size() > infix.size() && start.substr(start.size() - infix.size()) == infix;
}

// Removes the staging files that a save which never finished left in the folder, as isStaging
// picks them by name: regular files of this user only.
template <typename IsStaging>
void RemoveStaleFiles(const std::string& folder, IsStaging isStaging) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isStaging(std::string_view(entry->d_name))) continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            stale.push_back(path);
    }
    ::closedir(dir);
    for (const std::string& path : stale)
        ::unlink(path.c_str());
}

void RemoveStaleStagingFiles(const std::string& folder, const std::string& name) {
    const std::string prefix = StagingNamePrefix(name);
    const std::string old = name + kOldStagingInfix;
    RemoveStaleFiles(folder,
                     [&](std::string_view entry) { return IsStagingNameOf(entry, prefix, old); });
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string UniquePart() {
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string part;
    for (std::size_t i = 0; i < kUniquePartLength; ++i)
        part += kChars[pick(random)];
    return part;
}
} // namespace

std::string StagingNamePrefix(const std::string& fileName) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : fileName) {
        hash ^= c;
        hash *= 16777619u;
    }
    char text[16];
    std::snprintf(text, sizeof text, ".%08x.", hash);
    return text;
}

std::string KeptNamePrefix(const std::string& fileName) {
    std::string prefix = StagingNamePrefix(fileName);
    prefix.back() = '~';
    return prefix;
}

StagedFile::StagedFile(const std::string& path) : target_(FollowLinks(path)) {
    const std::string folder = FolderOf(target_);
    const std::string name = NameOf(target_);
    mode_t mode = NewFileMode();
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0) {
        // Renaming over a folder or a device would fail only when the file is committed,
        // perhaps after the other file of a pair was replaced: refuse it now.
        if (!S_ISREG(st.st_mode) || !ModeLetsUserWrite(st)) RaiseError(err::PathFileAccessError);
        mode = st.st_mode & 07777;
    }
    RemoveStaleStagingFiles(folder, name);

    staging_ = folder + "/" + StagingNamePrefix(name) + std::string(kUniquePartLength, 'X');
    fd_ = MakeUniqueFile(staging_);
    if (fd_ < 0) RaiseOpenFailure(target_, errno);
    if (::fchmod(fd_, mode) != 0) {
        // A constructor that throws gets no destructor: tidy up here.
        const int error = errno;
        ::close(fd_);
        ::unlink(staging_.c_str());
        RaiseFromErrno(error);
    }
}

StagedFile::~StagedFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(staging_.c_str());
    if (!kept_.empty()) ::unlink(kept_.c_str()); // the pair is complete: the old file goes
}

void StagedFile::Write(std::span<const std::uint8_t> bytes, bool flush) {
    WriteAll(fd_, bytes);
    if (flush && SyncData(fd_) != 0) RaiseFromErrno(errno);
}

void StagedFile::CloseStaging() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) RaiseFromErrno(errno);
}

void StagedFile::Commit() {
    CloseStaging();
    if (Rename(staging_.c_str(), target_.c_str()) != 0) RaiseFromErrno(errno);
    committed_ = true;
}

namespace {
// A flushed copy of the file under a new name of its own, for a folder where a file cannot have
// a second name.
std::string CopyUnderNewName(const std::string& path, const std::string& prefix) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) RaiseFromErrno(errno);
    std::string copy = prefix + std::string(kUniquePartLength, 'X');
    FileDescriptor fd(MakeUniqueFile(copy));
    if (fd.get() < 0) RaiseFromErrno(errno);
    try {
        if (::fchmod(fd.get(), st.st_mode & 07777) != 0) RaiseFromErrno(errno);
        WriteAll(fd.get(), bytes);
        if (SyncData(fd.get()) != 0) RaiseFromErrno(errno);
        fd.Close();
    } catch (...) {
        ::unlink(copy.c_str());
        throw;
    }
    return copy;
}

// The file under a second name, a kept name beside it; the path keeps the file.
std::string SecondName(const std::string& path) {
    const std::string prefix = FolderOf(path) + "/" + KeptNamePrefix(NameOf(path));
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::string second = prefix + UniquePart();
        if (Link(path.c_str(), second.c_str()) == 0) return second;
        if (errno != EEXIST) break;
    }
    return CopyUnderNewName(path, prefix);
}
} // namespace

void StagedFile::CommitKeepingOld() {
    CloseStaging();
    struct stat st {};
    replacedNothing_ = ::lstat(target_.c_str(), &st) != 0 && errno == ENOENT;
    if (!replacedNothing_) kept_ = SecondName(target_);
    if (Rename(staging_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(kept_.c_str());
        kept_.clear();
        RaiseFromErrno(error);
    }
    committed_ = true;
}

std::string StagedFile::PutOldBack() noexcept {
    std::string stranded;
    if (!committed_) return stranded;
    if (replacedNothing_)
        ::unlink(target_.c_str());
    else if (!kept_.empty() && Rename(kept_.c_str(), target_.c_str()) != 0)
        stranded = std::move(kept_);
    kept_.clear(); // put back, or else left under its second name rather than removed
    replacedNothing_ = false;
    return stranded;
}

void RemoveStagingLeftovers(const std::string& folder) {
    RemoveStaleFiles(folder, IsAnyStagingName);
}

void KeepCopyOfStagedFile(const StagedFile& staged, std::span<const std::uint8_t> bytes,
                          const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string prefix = StagingNamePrefix(NameOf(path));
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::string second = folder + "/" + prefix + UniquePart();
        if (Link(staged.StagingPath().c_str(), second.c_str()) == 0) {
            if (Rename(second.c_str(), path.c_str()) == 0) return;
            const int error = errno;
            ::unlink(second.c_str());
            RaiseFromErrno(error);
        }
        if (errno != EEXIST) break; // another file system, or no links there: write a copy
    }
    StagedFile copy(path);
    copy.Write(bytes, false);
    copy.Commit();
}
