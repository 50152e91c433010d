// Saving and loading as an author, an unlucky author and a careful attacker would: a save writes
// the scenario file, its flag-name file and a temporary copy, and a failed save reports itself
// and leaves the earlier pair of files as it was.
#include "platform/core/ByteBuffer.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/StagedFile.h"
#include "scenario/FlagNameFile.h"
#include "scenario/ScenarioFileDialog.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/ScenarioSave.h"
#include "support/FileDialogScript.h"
#include "support/MsgBoxRecorder.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"
#include "support/WriteFaultScope.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <iostream>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const std::string kBox = "SaveScenarioV2Error encountered!\r\n";
const std::string kNamesBox = "SaveScenDataError encountered!\r\n";

class FileSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(program_.File("scenario"));
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
    std::vector<std::string> ScenarioFolder() const {
        return FolderEntries(program_.File("scenario"));
    }
    static std::vector<std::string> Box(const MsgBoxRecorder& boxes) {
        std::vector<std::string> texts;
        for (const auto& call : boxes.Calls())
            texts.push_back(call.text);
        return texts;
    }
    // Saves what is there now, then changes the scenario, so that a later save would differ.
    void SaveEarlierFiles() {
        MsgBoxRecorder boxes;
        SaveScenarioV2();
        ASSERT_TRUE(boxes.Calls().empty());
        earlier_ = FileBytes(ScenarioPath());
        earlierNames_ = FileBytes(FlagPath());
        Scen.ScenStrings[0] = "changed";
        Scen.StuffDoneNames[1].Name = "changed";
    }
    void ExpectEarlierFiles(const std::string& what) const {
        EXPECT_EQ(FileBytes(ScenarioPath()), earlier_) << what;
        EXPECT_EQ(FileBytes(FlagPath()), earlierNames_) << what;
        EXPECT_EQ(ScenarioFolder(), (std::vector<std::string>{"Test.vrd", "Test.vrs"})) << what;
    }
    static mode_t ModeOf(const std::string& path) {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

    TempFolder program_;
    TempFolder temp_;
    std::vector<std::uint8_t> earlier_;
    std::vector<std::uint8_t> earlierNames_;
};
using ScenarioSave = FileSafety;

// Sets an environment variable while it lives.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvironmentVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// Marks the file immutable, or unmarks it; false where the file system or the user's rights
// do not allow it.
bool SetImmutable(const std::string& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}
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
    const auto expected = OwnLayoutImage(Scen);
    const auto written = FileBytes(ScenarioPath());
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_TRUE(std::equal(written.begin() + 1280, written.end(), expected.begin() + 1280));
    EXPECT_EQ(FileBytes(TempPath()), written);
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

// Every way a save can fail: the box names the failure and the file it fell on, and the
// earlier pair of files, the temporary copy and the folders stay as they were.
TEST_F(FileSafety, AFailedSaveIsReportedAndLeavesTheEarlierPairOfFiles) {
    SaveEarlierFiles();
    // The size of the scenario file the failing saves would write.
    const auto size = static_cast<std::int64_t>(OwnLayoutImage(Scen).size());
    const std::string text = Scen.TownTalks[1].Nodes[4].Text2;
    const auto nothing = [](const std::string&) { return true; };
    const auto none = [](const std::string&) {};
    const auto readOnly = [](const std::string& p) { return ::chmod(p.c_str(), 0444) == 0; };
    const auto writable = [](const std::string& p) { ::chmod(p.c_str(), 0644); };
    const auto immutable = [](const std::string& p) { return SetImmutable(p, true); };
    const auto mutableAgain = [](const std::string& p) { SetImmutable(p, false); };
    const auto folder = [](const std::string& p) {
        return fs::remove(p) && fs::create_directory(p);
    };
    const auto file = [this](const std::string& p) {
        fs::remove(p);
        PutFileBytes(p, earlierNames_);
    };
    const auto tooLong = [](const std::string&) {
        Scen.TownTalks[1].Nodes[4].Text2 = std::string(256, 'x');
        return true;
    };
    const auto fitting = [&text](const std::string&) { Scen.TownTalks[1].Nodes[4].Text2 = text; };
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto smallFiles = [old](const std::string&) {
        rlimit small = old;
        small.rlim_cur = 4096;
        return ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    };
    const auto largeFiles = [old](const std::string&) { ::setrlimit(RLIMIT_FSIZE, &old); };
    const std::string diskFull = "Err# 61, Disk full", denied = "Err# 70, Permission denied";
    const std::string io = "Err# 57, Device I/O error", access = "Err# 75, Path/File access error";
    struct Case {
        const char* what;
        bool flagNameFile; // the failure falls on the flag-name file, else the scenario file
        WriteFaults faults;
        std::function<bool(const std::string&)> block; // false: the machine cannot do it
        std::function<void(const std::string&)> unblock;
        std::string error;
    };
    const Case cases[] = {
        {"disk full in the scenario file",
         false,
         {.bytesBeforeDiskFull = size / 2},
         nothing,
         none,
         diskFull},
        {"an unwritable scenario folder", false, {.createError = EACCES}, nothing, none, denied},
        {"flushing fails", false, {.syncError = EIO}, nothing, none, io},
        {"renaming fails", false, {.renameError = EIO}, nothing, none, io},
        {"a text too long", false, {}, tooLong, fitting, "Err# 6, Overflow"},
        {"a write past the file-size limit", false, {}, smallFiles, largeFiles, diskFull},
        {"disk full in the flag-name file",
         true,
         {.bytesBeforeDiskFull = size + 8},
         nothing,
         none,
         diskFull},
        {"the flag-name file's replace fails",
         true,
         {.renameError = EIO, .renameOnto = FlagPath()},
         nothing,
         none,
         io},
        {"... where files take no second name",
         true,
         {.renameError = EIO, .renameOnto = FlagPath(), .linkError = EPERM},
         nothing,
         none,
         io},
        {"read-only scenario file", false, {}, readOnly, writable, access},
        {"read-only flag-name file", true, {}, readOnly, writable, access},
        {"immutable scenario file", false, {}, immutable, mutableAgain, denied},
        {"immutable flag-name file", true, {}, immutable, mutableAgain, denied},
        {"folder in the flag-name file's place", true, {}, folder, file, access},
    };
    for (const Case& c : cases) {
        const std::string path = c.flagNameFile ? FlagPath() : ScenarioPath();
        if (!c.block(path)) {
            std::cout << "skipped, this machine cannot make a " << c.what << "\n";
            continue;
        }
        const mode_t mode = ModeOf(path);
        MsgBoxRecorder boxes;
        {
            WriteFaultScope fault(c.faults);
            SaveScenarioV2();
        }
        EXPECT_EQ(ModeOf(path), mode) << c.what; // a refused file is left alone, folder too
        c.unblock(path);
        EXPECT_EQ(Box(boxes),
                  std::vector<std::string>{(c.flagNameFile ? kNamesBox : kBox) + c.error})
            << c.what;
        EXPECT_TRUE(boxes.Calls().empty() || (boxes.Calls()[0].title == "Error" &&
                                              boxes.Calls()[0].style == msgbox::Critical));
        ExpectEarlierFiles(c.what);
        EXPECT_EQ(FolderEntries(temp_.File("save")), std::vector<std::string>{"Test.vrs"})
            << c.what;
    }

    // A first save that fails leaves nothing new: a folder in the scenario file's place stays
    // alone, and a flag-name file that cannot take its place takes the scenario file with it.
    for (const bool folderInPlace : {true, false}) {
        fs::remove(ScenarioPath());
        fs::remove(FlagPath());
        if (folderInPlace) fs::create_directory(ScenarioPath());
        MsgBoxRecorder boxes;
        {
            WriteFaultScope fault(
                folderInPlace ? WriteFaults{}
                              : WriteFaults{.renameError = EACCES, .renameOnto = FlagPath()});
            SaveScenarioV2();
        }
        EXPECT_EQ(Box(boxes),
                  std::vector<std::string>{folderInPlace ? kBox + access : kNamesBox + denied});
        EXPECT_EQ(ScenarioFolder(), folderInPlace ? std::vector<std::string>{"Test.vrs"}
                                                  : std::vector<std::string>{});
    }
}

TEST_F(FileSafety, ANameWithBackslashesCannotSaveOutsideTheScenarioFolder) {
    const std::string names[] = {"..\\..\\x.vrs",       "sub\\x.vrs", "../escape.vrs", ".", "..",
                                 std::string("a\0b", 3)};
    for (const std::string& name : names) {
        ScenFile.ScenFileName = name;
        MsgBoxRecorder boxes;
        SaveScenarioV2();
        EXPECT_EQ(Box(boxes), std::vector<std::string>{kBox + "Err# 52, Bad file name or number"})
            << name;
    }
    EXPECT_EQ(FolderEntries(program_.Path()), std::vector<std::string>{"scenario"});
    EXPECT_TRUE(FolderEntries(program_.File("scenario")).empty());

    // Nor can such a name come in through Open or Save As.
    ScenFile.ScenFileName = "Test.vrs";
    SaveScenarioV2();
    const std::string hostile = program_.File("scenario/..\\..\\x.vrs");
    fs::copy_file(ScenarioPath(), hostile);
    MsgBoxRecorder boxes;
    LoadScenario("..\\..\\x.vrs", hostile);
    EXPECT_EQ(ScenFile.ScenFileName, "Test.vrs");
    FileDialogScript dialogs;
    dialogs.Choose(hostile);
    std::string title;
    std::string path;
    OpenScenFile(title, path, 2);
    EXPECT_EQ(ScenFile.FileDialogCancelled, -1);
    EXPECT_EQ(Box(boxes),
              (std::vector<std::string>{
                  "LoadScenarioError encountered!\r\nErr# 52, Bad file name or number",
                  "OpenScenFileError encountered!\r\nErr# 52, Bad file name or number"}));
}

TEST_F(FileSafety, LoadingDoesNotHangOnAPipeInAFilesPlace) {
    SaveScenarioV2();
    fs::remove(FlagPath());
    ASSERT_EQ(::mkfifo(FlagPath().c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(program_.File("scenario/Pipe.vrs").c_str(), 0600), 0);
    Scen = Scenario{};
    MsgBoxRecorder boxes;
    auto load = std::async(std::launch::async, [&] {
        LoadScenario("Test.vrs", ScenarioPath());
        LoadScenario("Pipe.vrs", program_.File("scenario/Pipe.vrs"));
    });
    if (load.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // Free the blocked reader so that the test ends, failing.
        for (const std::string& pipe : {FlagPath(), program_.File("scenario/Pipe.vrs")})
            ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK));
        ADD_FAILURE() << "loading waited on a pipe";
    }
    load.get();
    EXPECT_EQ(Scen.StuffDoneNames[1].Name, ""); // loaded, without flag names
    EXPECT_EQ(Scen.TownCount, 2);
    EXPECT_EQ(Box(boxes), std::vector<std::string>{
                              "LoadScenarioError encountered!\r\nErr# 75, Path/File access error"});
}

TEST_F(FileSafety, StagingFilesLeftByACrashAreRemovedByTheNextSaveOrStart) {
    const std::string folder = program_.File("scenario/");
    const std::vector<std::string> thisName = {
        "Test.vrs.saving-AbC123", StagingNamePrefix("Test.vrs") + "Zz9Yy8",
        "Test.vrd.saving-x1Y2z3", StagingNamePrefix("Test.vrd") + "q0W9e8"};
    const std::vector<std::string> otherName = {"Other.vrs.saving-AbC123",
                                                StagingNamePrefix("Other.vrs") + "Qq1Ww2"};
    const std::string notOurs[] = {"Test.vrs.saving-toolong", "Test.vrs.saving-", "notes.txt",
                                   ".0000000g.AbC123", ".00000000.AbC12"};
    const std::string folderOfOurs = StagingNamePrefix("Test.vrs") + "Dir123";
    for (const bool atStart : {false, true}) {
        for (const auto& names : {thisName, otherName})
            for (const std::string& name : names)
                PutFileText(folder + name, std::string(1000, 's'));
        for (const std::string& name : notOurs)
            PutFileText(folder + name, "keep");
        fs::create_directories(folder + folderOfOurs);
        std::vector<std::string> expected(std::begin(notOurs), std::end(notOurs));
        expected.push_back(folderOfOurs);
        if (atStart) {
            RemoveStagingLeftovers(folder);
        } else {
            SaveScenarioV2();
            expected.insert(expected.end(), otherName.begin(), otherName.end());
        }
        expected.insert(expected.end(), {"Test.vrd", "Test.vrs"});
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(FolderEntries(folder), expected) << (atStart ? "at start" : "at save");
    }
}

TEST_F(FileSafety, SavingKeepsTheFileModeAndALinkToTheScenarioFile) {
    SaveScenarioV2();
    ::chmod(ScenarioPath().c_str(), 0600);
    ::chmod(FlagPath().c_str(), 0640);
    SaveScenarioV2();
    EXPECT_EQ(ModeOf(ScenarioPath()), 0600u);
    EXPECT_EQ(ModeOf(FlagPath()), 0640u);

    TempFolder elsewhere;
    fs::rename(ScenarioPath(), elsewhere.File("Real.vrs"));
    fs::create_symlink(elsewhere.File("Real.vrs"), ScenarioPath());
    Scen.ScenStrings[0] = "through the link";
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_TRUE(fs::is_symlink(ScenarioPath()));
    EXPECT_EQ(FileBytes(elsewhere.File("Real.vrs")), FileBytes(temp_.File("save/Test.vrs")));
    EXPECT_EQ(ModeOf(elsewhere.File("Real.vrs")), 0600u);
    EXPECT_EQ(FolderEntries(elsewhere.Path()), std::vector<std::string>{"Real.vrs"});
}

TEST_F(FileSafety, NamesOfTheLongestLegalLengthCanBeSaved) {
    ScenFile.ScenFileName = std::string(251, 'n') + ".vrs";
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_TRUE(fs::exists(program_.File("scenario/" + ScenFile.ScenFileName)));
    EXPECT_TRUE(fs::exists(program_.File("scenario/" + std::string(251, 'n') + ".vrd")));
}

TEST_F(FileSafety, AnotherUserCannotBlockSavesByMakingTheTempFolderFirst) {
    SetTempSaveFolderForTesting("");
    TempFolder runtime;
    TempFolder cache;
    ::chmod(runtime.Path().c_str(), 0700);
    const EnvironmentVariable runtimeDir("XDG_RUNTIME_DIR", runtime.Path());
    const EnvironmentVariable cacheHome("XDG_CACHE_HOME", cache.Path() + "/c");
    // Another user's folder where the copy would go: owned by another uid where the tests may
    // give one away, else a link to a folder the other user could read.
    const auto occupy = [](const std::string& folder) {
        if (::geteuid() == 0) {
            fs::create_directory(folder);
            ASSERT_EQ(::chown(folder.c_str(), 4242, 4242), 0);
        } else {
            fs::create_directory_symlink("/tmp", folder);
        }
    };
    occupy(runtime.File("varno-editor"));
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(FileBytes(cache.File("c/varno-editor/Test.vrs")), FileBytes(ScenarioPath()));
    EXPECT_EQ(ModeOf(cache.File("c/varno-editor")), 0700u);

    // Only when neither place can be made private is the save refused.
    fs::remove_all(cache.File("c/varno-editor"));
    occupy(cache.File("c/varno-editor"));
    fs::remove(ScenarioPath());
    SaveScenarioV2();
    EXPECT_EQ(Box(boxes), std::vector<std::string>{kBox + "Err# 70, Permission denied"});
    EXPECT_FALSE(fs::exists(ScenarioPath()));
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
