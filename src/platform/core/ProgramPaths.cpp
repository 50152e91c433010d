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

// Makes sure the folder exists and is this user's own and private.
void EnsurePrivateFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) RaiseError(err::PathNotFound);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) RaiseError(err::PathNotFound);
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 0077) != 0)
        RaiseError(err::PermissionDenied);
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

std::string TempSaveFolder() {
    if (!TempFolderOverride().empty()) {
        EnsurePrivateFolder(TempFolderOverride());
        return TempFolderOverride();
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string base = tmp && *tmp == '/' ? tmp : "/tmp";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    const std::string folder = base + "/varno-editor-" + std::to_string(::getuid());
    EnsurePrivateFolder(folder);
    return folder;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

void SetProgramFolderForTesting(const std::string& folder) {
    ProgramFolderOverride() = folder;
}
void SetTempSaveFolderForTesting(const std::string& folder) {
    TempFolderOverride() = folder;
}
