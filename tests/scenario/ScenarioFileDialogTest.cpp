#include "scenario/ScenarioFileDialog.h"

#include "platform/core/ProgramPaths.h"
#include "scenario/Scenario.h"
#include "support/FileDialogScript.h"
#include "support/ShownBoxes.h"

#include <gtest/gtest.h>

TEST(OpenScenFile, OpenAsksForAnExistingScenarioFileSaveAsForAnyInTheScenarioFolder) {
    SetProgramFolderForTesting("/opt/editor");
    FileDialogScript dialog;
    MsgBoxRecorder boxes;
    std::string title = "before", path = "/old/path.vrs";
    // A cancel shows nothing and the next call starts afresh.
    dialog.Cancel();
    OpenScenFile(title, path, 1);
    EXPECT_EQ(std::tuple(ScenFile.FileDialogCancelled, path), std::tuple(-1, "/old/path.vrs"));
    for (const std::int16_t mode : {1, 2}) {
        dialog.Choose("/home/a/Quest.VRS");
        OpenScenFile(title, path, mode);
        EXPECT_EQ(std::tuple(ScenFile.FileDialogCancelled, title, path),
                  std::tuple(0, "Quest.VRS", "/home/a/Quest.VRS"));
        const FileDialogRequest& r = dialog.Requests().back();
        EXPECT_EQ(std::tuple(r.open, r.fileMustExist, r.initialFolder, r.filter, r.fileName),
                  std::tuple(mode == 1, mode == 1, "/opt/editor/scenario",
                             "Varno Scenario (*.vrs)|*.vrs", ""));
    }
    EXPECT_EQ(dialog.Requests().size(), 3u);
    EXPECT_EQ(Shown(boxes), Boxes{});

    // A wrong extension gives one message in either mode.
    for (std::int16_t mode : {1, 2})
        for (const char* chosen : {"/a/noext", "/a/file.vrsx", "/a/file.txt", "/a/vrs"}) {
            MsgBoxRecorder local;
            path = "/old/path.vrs";
            dialog.Choose(chosen);
            OpenScenFile(title, path, mode);
            EXPECT_EQ(std::tuple(ScenFile.FileDialogCancelled, path),
                      std::tuple(-1, "/old/path.vrs"));
            EXPECT_EQ(Shown(local), Boxes{"Error!|48|File extension must be '.vrs'."}) << chosen;
        }
}
