#pragma once

#include "platform/core/FileDialog.h"

#include <deque>
#include <string>
#include <vector>

// Answers every file dialog while it lives, in turn, and records what was asked. A dialog
// with no answer left is cancelled.
class FileDialogScript {
  public:
    FileDialogScript();
    ~FileDialogScript();
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    void Choose(const std::string& fullPath);
    void Cancel();

    const std::vector<FileDialogRequest>& Requests() const { return requests_; }

  private:
    std::deque<FileDialogResult> answers_;
    std::vector<FileDialogRequest> requests_;
    FileDialogHook previous_;
};
