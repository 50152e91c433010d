#include "platform/core/FileDialog.h"

#include "platform/core/RuntimeError.h"

namespace {
FileDialogHook& InstalledHook() {
    static FileDialogHook hook;
    return hook;
}

FileDialogHook& InstalledImplementation() {
    static FileDialogHook implementation;
    return implementation;
}
} // namespace

FileDialogHook SetFileDialogHook(FileDialogHook hook) {
    FileDialogHook previous = std::move(InstalledHook());
    InstalledHook() = std::move(hook);
    return previous;
}

void SetFileDialogImplementation(FileDialogHook implementation) {
    InstalledImplementation() = std::move(implementation);
}

FileDialogResult ShowFileDialog(const FileDialogRequest& request) {
    if (InstalledHook()) return InstalledHook()(request);
    // Without a window system there is nobody to choose a file.
    if (!InstalledImplementation()) RaiseError(err::InvalidCall);
    return InstalledImplementation()(request);
}
