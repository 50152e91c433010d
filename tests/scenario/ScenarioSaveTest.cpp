#include "scenario/ScenarioSave.h"

#include "platform/core/ByteBuffer.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/OwnLayout.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"
#include "support/WriteFaultScope.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class ScenarioSave : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(program_.File("scenario"));
        SetProgramFolderForTesting(program_.Path());
        SetTempSaveFolderForTesting(temp_.File("save"));
        Scen = MakeVariedScenario(2, 2, 2, 5);
        Scen.StuffDoneNames[1].Name = "Lever";
        ScenFile = {};
        ScenFile.ScenFileName = "Test.vrs";
    }
    std::string ScenarioPath() const { return program_.File("scenario/Test.vrs"); }
    std::string FlagPath() const { return program_.File("scenario/Test.vrd"); }
    std::string TempPath() const { return temp_.File("save/Test.vrs"); }

    TempFolder program_;
    TempFolder temp_;
};

const std::string kOverflowBox = "SaveScenarioV2Error encountered!\r\nErr# 6, Overflow";
} // namespace

TEST_F(ScenarioSave, WritesTheScenarioFolderFileTheTempCopyAndTheFlagNames) {
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(ScenFile.ScenFilePath, ScenarioPath());

    const auto file = FileBytes(ScenarioPath());
    EXPECT_EQ(FileBytes(TempPath()), file);
    EXPECT_EQ(FileText(FlagPath()), ">VRD\r\n1,-1,\"Lever\"\r\n");

    Scenario read;
    ReadScenarioImageV2(read, file);
    read.StuffDoneNames = Scen.StuffDoneNames;
    EXPECT_TRUE(read == Scen);
    const ByteReader r(file);
    for (int k : {0, 1, 2, 3, 100, 101})
        EXPECT_EQ(r.GetI32(81 + 4 * k), ScenFile.SectionDirectory[k]) << k;
    EXPECT_EQ(r.GetU8(ScenFile.SectionDirectory[101] + 1 + 8), Scen.Towns[1].Size);
}

TEST_F(ScenarioSave, AShorterSaveLeavesNoStaleTail) {
    Scen = MakeVariedScenario(3, 3, 4, 9);
    SaveScenarioV2();
    Scen = MakeMinimalScenario();
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    EXPECT_TRUE(boxes.Calls().empty());
    // The directory keeps the entries of the earlier save that no section overwrote; the
    // rest must be this scenario's bytes exactly and nothing after them.
    SectionDirectoryTable dir{};
    const auto expected = WriteScenarioImage(Scen, dir);
    const auto written = FileBytes(ScenarioPath());
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_TRUE(std::equal(written.begin() + 1280, written.end(), expected.begin() + 1280));
    EXPECT_EQ(FileBytes(TempPath()), written);
}

TEST_F(ScenarioSave, ATextTooLongFailsWithOverflowAndKeepsTheEarlierFiles) {
    SaveScenarioV2();
    const auto earlier = FileBytes(ScenarioPath());
    const auto earlierNames = FileBytes(FlagPath());

    Scen.TownTalks[1].Nodes[4].Text2 = std::string(256, 'x');
    Scen.StuffDoneNames[2].Name = "changed";
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, kOverflowBox);
    EXPECT_EQ(boxes.Calls()[0].title, "Error");
    EXPECT_EQ(boxes.Calls()[0].style & msgbox::IconMask, msgbox::Critical);
    EXPECT_EQ(FileBytes(ScenarioPath()), earlier);
    EXPECT_EQ(FileBytes(FlagPath()), earlierNames);
}

TEST_F(ScenarioSave, AFailingDiskIsReportedAndKeepsTheEarlierFiles) {
    SaveScenarioV2();
    const auto earlier = FileBytes(ScenarioPath());
    const auto earlierNames = FileBytes(FlagPath());
    Scen.ScenStrings[0] = "changed";
    Scen.StuffDoneNames[2].Name = "changed";
    const auto size = static_cast<std::int64_t>(earlier.size());
    struct Case {
        const char* what;
        WriteFaults faults;
        const char* error;
    };
    const Case cases[] = {
        {"disk full in the scenario file", {.bytesBeforeDiskFull = size / 2}, "Err# 61, Disk full"},
        {"an unwritable scenario folder", {.createError = EACCES}, "Err# 70, Permission denied"},
        {"flushing fails", {.syncError = EIO}, "Err# 57, Device I/O error"},
        {"renaming fails", {.renameError = EIO}, "Err# 57, Device I/O error"},
    };
    for (const Case& c : cases) {
        MsgBoxRecorder boxes;
        {
            WriteFaultScope fault(c.faults);
            SaveScenarioV2();
        }
        ASSERT_EQ(boxes.Calls().size(), 1u) << c.what;
        EXPECT_EQ(boxes.Calls()[0].text,
                  std::string("SaveScenarioV2Error encountered!\r\n") + c.error)
            << c.what;
        EXPECT_EQ(FileBytes(ScenarioPath()), earlier) << c.what;
        EXPECT_EQ(FileBytes(FlagPath()), earlierNames) << c.what;
        EXPECT_EQ(FolderEntries(program_.File("scenario")),
                  (std::vector<std::string>{"Test.vrd", "Test.vrs"}))
            << c.what;
        EXPECT_EQ(FolderEntries(temp_.File("save")), std::vector<std::string>{"Test.vrs"})
            << c.what;
    }
}

TEST_F(ScenarioSave, AScenarioFileThatCannotBeReplacedIsReported) {
    std::filesystem::create_directory(ScenarioPath()); // a folder in the file's place
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
              "SaveScenarioV2Error encountered!\r\nErr# 75, Path/File access error");
    EXPECT_FALSE(std::filesystem::exists(FlagPath()));
    // Nothing but the folder that was there is left in the scenario folder.
    EXPECT_EQ(FolderEntries(program_.File("scenario")), std::vector<std::string>{"Test.vrs"});
}

TEST_F(ScenarioSave, ATempFolderOpenToOthersIsRefused) {
    std::filesystem::create_directory(temp_.File("save"));
    ::chmod(temp_.File("save").c_str(), 0777);
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
              "SaveScenarioV2Error encountered!\r\nErr# 70, Permission denied");
    EXPECT_FALSE(std::filesystem::exists(ScenarioPath()));
}

TEST_F(ScenarioSave, SavingAScenarioOpenedElsewhereWritesIntoTheScenarioFolder) {
    TempFolder elsewhere;
    PutFileText(elsewhere.File("Test.vrs"), "original");
    ScenFile.ScenFilePath = elsewhere.File("Test.vrs");
    SaveScenarioV2();
    EXPECT_EQ(FileText(elsewhere.File("Test.vrs")), "original");
    EXPECT_EQ(ScenFile.ScenFilePath, ScenarioPath());
    EXPECT_TRUE(std::filesystem::exists(ScenarioPath()));
}

TEST_F(ScenarioSave, AFileNameThatIsAPathIsRefused) {
    ScenFile.ScenFileName = "../escape.vrs";
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
              "SaveScenarioV2Error encountered!\r\nErr# 52, Bad file name or number");
    EXPECT_FALSE(std::filesystem::exists(program_.File("escape.vrs")));
}
