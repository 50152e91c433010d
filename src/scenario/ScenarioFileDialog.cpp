#include "scenario/ScenarioFileDialog.h"

#include "platform/core/ErrorBox.h"
#include "platform/core/FileDialog.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/Scenario.h"

#include <algorithm>
#include <cctype>

namespace {
bool HasScenarioExtension(const std::string& name) {
    if (name.size() < 4) return false;
    std::string last = name.substr(name.size() - 4);
    std::transform(last.begin(), last.end(), last.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return last == ".VRS";
}
} // namespace

void OpenScenFile(std::string& title, std::string& path, std::int16_t mode) {
    ScenFile.FileDialogCancelled = 0;
    const bool chosen = RunTrapped("OpenScenFile", [&] {
        FileDialogRequest request;
        request.open = mode == 1;
        request.initialFolder = ProgramPath("\\scenario");
        request.fileName = "";
        request.filter = "Varno Scenario (*.vrs)|*.vrs";
        request.fileMustExist = request.open;
        const FileDialogResult result = ShowFileDialog(request);
        if (result.cancelled) {
            ScenFile.FileDialogCancelled = -1;
            return;
        }
        // The name is saved under in the scenario folder: it must be a plain file name.
        if (!IsPlainFileName(result.fileTitle)) RaiseError(err::BadFileName);
        title = result.fileTitle;
        if (!HasScenarioExtension(title)) {
            MsgBox("File extension must be '.vrs'.", msgbox::Exclamation, "Error!");
            ScenFile.FileDialogCancelled = -1;
            return;
        }
        path = result.filePath;
    });
    if (!chosen) ScenFile.FileDialogCancelled = -1;
}
