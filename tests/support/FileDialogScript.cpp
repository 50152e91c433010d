#include "support/FileDialogScript.h"

FileDialogScript::FileDialogScript() {
    previous_ = SetFileDialogHook([this](const FileDialogRequest& request) {
        requests_.push_back(request);
        if (answers_.empty()) return FileDialogResult{};
        FileDialogResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

FileDialogScript::~FileDialogScript() {
    SetFileDialogHook(std::move(previous_));
}

void FileDialogScript::Choose(const std::string& fullPath) {
    const auto slash = fullPath.find_last_of('/');
    answers_.push_back(FileDialogResult{
        false, slash == std::string::npos ? fullPath : fullPath.substr(slash + 1), fullPath});
}

void FileDialogScript::Cancel() {
    answers_.push_back(FileDialogResult{});
}
