#include "platform/core/ProgramPaths.h"

#include "platform/core/RuntimeError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string& ProgramFolderOverride() {
    static std::string folder;
    return folder;
}

std::string& TempFolderOverride() {
    static std::string folder;
    return folder;
}

std::string FolderOfRunningProgram() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<std::size_t>(n));
    const auto slash = path.find_last_of('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsOwnPrivateFolder(const struct stat& st) {
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0077) == 0;
}

// Makes sure the folder exists and is this user's own and private.
void EnsurePrivateFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) RaiseError(err::PathNotFound);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) RaiseError(err::PathNotFound);
    if (!IsOwnPrivateFolder(st)) RaiseError(err::PermissionDenied);
}

// Creates the folder and any missing folder above it, each private; whether the folder is then
// this user's own and private. A folder of the user's own that is open to others is closed.
bool MadePrivate(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    if ((st.st_mode & 0077) != 0 && ::chmod(folder.c_str(), 0700) != 0) return false;
    return true;
}

std::string AbsoluteEnvironmentFolder(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || *value != '/') return "";
    std::string folder = value;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}
} // namespace

std::string ProgramFolder() {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    static const std::string folder = FolderOfRunningProgram();
    return folder;
}

std::string ProgramPath(std::string_view backslashPath) {
    std::string path = ProgramFolder();
    if (!backslashPath.empty() && backslashPath.front() != '\\') path += '/';
    for (char c : backslashPath)
        path += c == '\\' ? '/' : c;
    return path;
}

namespace {
std::string CacheFolder() {
    std::string cache = AbsoluteEnvironmentFolder("XDG_CACHE_HOME");
    if (cache.empty()) {
        const std::string home = AbsoluteEnvironmentFolder("HOME");
        if (!home.empty()) cache = home + "/.cache";
    }
    return cache;
}

bool IsOwnPrivateFolder(const std::string& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && IsOwnPrivateFolder(st);
}
} // namespace

std::string TempSaveFolder() {
    if (!TempFolderOverride().empty()) {
        EnsurePrivateFolder(TempFolderOverride());
        return TempFolderOverride();
    }
    // A folder in a shared place such as /tmp could be made first by another user, who could
    // then block every save or read the copies.
    const std::string runtime = AbsoluteEnvironmentFolder("XDG_RUNTIME_DIR");
    if (!runtime.empty() && IsOwnPrivateFolder(runtime) && MadePrivate(runtime + "/varno-editor"))
        return runtime + "/varno-editor";
    const std::string cache = CacheFolder();
    if (!cache.empty() && MadePrivate(cache + "/varno-editor")) return cache + "/varno-editor";
    RaiseError(err::PermissionDenied);
}

std::vector<std::string> ExistingTempSaveFolders() {
    std::vector<std::string> candidates;
    if (!TempFolderOverride().empty()) {
        candidates.push_back(TempFolderOverride());
    } else {
        const std::string runtime = AbsoluteEnvironmentFolder("XDG_RUNTIME_DIR");
        if (!runtime.empty() && IsOwnPrivateFolder(runtime))
            candidates.push_back(runtime + "/varno-editor");
        const std::string cache = CacheFolder();
        if (!cache.empty()) candidates.push_back(cache + "/varno-editor");
    }
    std::erase_if(candidates,
                  [](const std::string& folder) { return !IsOwnPrivateFolder(folder); });
    return candidates;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::string ScenarioFolderFile(const std::string& name) {
    if (!IsPlainFileName(name)) RaiseError(err::BadFileName);
    return ProgramFolder() + "/scenario/" + name;
}

void SetProgramFolderForTesting(const std::string& folder) {
    ProgramFolderOverride() = folder;
}
void SetTempSaveFolderForTesting(const std::string& folder) {
    TempFolderOverride() = folder;
}
