#include "platform/core/StagedFile.h"

#include "platform/core/FileSystemCalls.h"
#include "platform/core/RuntimeError.h"

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

// Staging files of this name left by a save that never finished: ours, and regular files.
void RemoveStaleStagingFiles(const std::string& folder, const std::string& name) {
    const std::string prefix = StagingNamePrefix(name);
    const std::string old = name + kOldStagingInfix;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsStagingNameOf(entry->d_name, prefix, old)) continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            stale.push_back(path);
    }
    ::closedir(dir);
    for (const std::string& path : stale)
        ::unlink(path.c_str());
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

StagedFile::StagedFile(const std::string& path) : target_(FollowLinks(path)) {
    const std::string folder = FolderOf(target_);
    const std::string name = NameOf(target_);
    mode_t mode = NewFileMode();
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        if (!ModeLetsUserWrite(st)) RaiseError(err::PathFileAccessError);
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
}

void StagedFile::Write(std::span<const std::uint8_t> bytes, bool flush) {
    WriteAll(fd_, bytes);
    if (flush && SyncData(fd_) != 0) RaiseFromErrno(errno);
}

void StagedFile::Commit() {
    if (fd_ >= 0) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) RaiseFromErrno(errno);
    }
    if (Rename(staging_.c_str(), target_.c_str()) != 0) RaiseFromErrno(errno);
    committed_ = true;
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
