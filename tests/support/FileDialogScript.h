#pragma once

#include "platform/core/FileDialog.h"

#include <deque>
#include <string>
#include <vector>

// Answers every file dialog while it lives, in turn, and records what was asked. A dialog
// with no answer left is cancelled.
class FileDialogScript {
  public:
    FileDialogScript() {
        previous_ = SetFileDialogHook([this](const FileDialogRequest& request) {
            requests_.push_back(request);
            const FileDialogResult answer =
                answers_.empty() ? FileDialogResult{} : answers_.front();
            if (!answers_.empty()) answers_.pop_front();
            return answer;
        });
    }
    ~FileDialogScript() { SetFileDialogHook(std::move(previous_)); }
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    void Choose(const std::string& fullPath) {
        const std::string name = fullPath.substr(fullPath.find_last_of('/') + 1);
        answers_.push_back(FileDialogResult{false, name, fullPath});
    }
    void Cancel() { answers_.push_back(FileDialogResult{}); }

    const std::vector<FileDialogRequest>& Requests() const { return requests_; }

  private:
    std::deque<FileDialogResult> answers_;
    std::vector<FileDialogRequest> requests_;
    FileDialogHook previous_;
};
