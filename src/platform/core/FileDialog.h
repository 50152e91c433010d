#pragma once

#include <functional>
#include <string>

// The open and save-as file dialog. Paths are the system's own (UTF-8) file names.
struct FileDialogRequest {
    bool open = true; // false: save as
    std::string initialFolder;
    std::string filter;   // "Description|pattern", one entry
    std::string fileName; // the name the dialog starts with
    bool fileMustExist = false;
};

struct FileDialogResult {
    bool cancelled = true;
    std::string fileTitle; // name without folder
    std::string filePath;  // full path
};

// Shows the dialog modally. Raises a RuntimeError when the dialog cannot be shown.
FileDialogResult ShowFileDialog(const FileDialogRequest& request);

// Tests answer the dialog with a path or a cancel instead of a person. Returns the previous hook.
using FileDialogHook = std::function<FileDialogResult(const FileDialogRequest&)>;
FileDialogHook SetFileDialogHook(FileDialogHook hook);

// The window system's file dialog, installed at start-up (InstallQtPlatform). Without one,
// ShowFileDialog raises "Invalid procedure call or argument".
void SetFileDialogImplementation(FileDialogHook implementation);
