#include "scenario/ScenarioFileDialog.h"

#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/Scenario.h"
#include "support/FileDialogScript.h"
#include "support/MsgBoxRecorder.h"

#include <gtest/gtest.h>

namespace {
class OpenScenFileTest : public ::testing::Test {
  protected:
    void SetUp() override { SetProgramFolderForTesting("/opt/editor"); }
    FileDialogScript dialog;
    MsgBoxRecorder boxes;
    std::string title = "before";
    std::string path = "/old/path.vrs";
};
} // namespace

TEST_F(OpenScenFileTest, OpenAsksForAnExistingScenarioFileSaveAsForAnyInTheScenarioFolder) {
    for (const std::int16_t mode : {1, 2}) {
        dialog.Choose("/home/a/Quest.VRS");
        OpenScenFile(title, path, mode);
        EXPECT_EQ(ScenFile.FileDialogCancelled, 0);
        EXPECT_EQ(title, "Quest.VRS");
        EXPECT_EQ(path, "/home/a/Quest.VRS");
        const FileDialogRequest& r = dialog.Requests().back();
        EXPECT_EQ(r.open, mode == 1);
        EXPECT_EQ(r.fileMustExist, mode == 1);
        EXPECT_EQ(r.initialFolder, "/opt/editor/scenario");
        EXPECT_EQ(r.filter, "Varno Scenario (*.vrs)|*.vrs");
        EXPECT_EQ(r.fileName, "");
    }
    EXPECT_EQ(dialog.Requests().size(), 2u);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(OpenScenFileTest, AWrongExtensionGivesOneMessageInEitherMode) {
    for (std::int16_t mode : {1, 2})
        for (const char* chosen : {"/a/noext", "/a/file.vrsx", "/a/file.txt", "/a/vrs"}) {
            MsgBoxRecorder local;
            path = "/old/path.vrs";
            dialog.Choose(chosen);
            OpenScenFile(title, path, mode);
            EXPECT_EQ(ScenFile.FileDialogCancelled, -1) << chosen;
            EXPECT_EQ(path, "/old/path.vrs");
            ASSERT_EQ(local.Calls().size(), 1u) << chosen;
            EXPECT_EQ(local.Calls()[0].text, "File extension must be '.vrs'.");
            EXPECT_EQ(local.Calls()[0].title, "Error!");
            EXPECT_EQ(local.Calls()[0].style, msgbox::Exclamation);
        }
}

TEST_F(OpenScenFileTest, ACancelShowsNothingAndTheNextCallStartsAfresh) {
    dialog.Cancel();
    OpenScenFile(title, path, 1);
    EXPECT_EQ(ScenFile.FileDialogCancelled, -1);
    EXPECT_EQ(path, "/old/path.vrs");
    EXPECT_TRUE(boxes.Calls().empty());

    dialog.Choose("/x/ok.vrs");
    OpenScenFile(title, path, 1);
    EXPECT_EQ(ScenFile.FileDialogCancelled, 0);
    EXPECT_EQ(dialog.Requests()[1].fileName, "");
}
