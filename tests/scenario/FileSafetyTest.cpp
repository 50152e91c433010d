// Faults found by saving and loading as a careful attacker or an unlucky author would: each test
// is named after the fault it keeps away.
#include "platform/core/ProgramPaths.h"
#include "platform/core/StagedFile.h"
#include "scenario/FlagNameFile.h"
#include "scenario/ScenarioFileDialog.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/ScenarioSave.h"
#include "support/FileDialogScript.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"
#include "support/TempFolder.h"
#include "support/WriteFaultScope.h"

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
        Scen = MakeVariedScenario(1, 1, 1, 3);
        Scen.StuffDoneNames[1].Name = "Lever";
        ScenFile = {};
        ScenFile.ScenFileName = "Test.vrs";
    }

    std::string ScenarioPath() const { return program_.File("scenario/Test.vrs"); }
    std::string FlagPath() const { return program_.File("scenario/Test.vrd"); }
    std::vector<std::string> Box(const MsgBoxRecorder& boxes) const {
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
} // namespace

TEST_F(FileSafety, ANameWithBackslashesCannotSaveOutsideTheScenarioFolder) {
    const std::string names[] = {"..\\..\\x.vrs", "sub\\x.vrs", ".", "..", std::string("a\0b", 3)};
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
    EXPECT_EQ(Scen.TownCount, 1);
    EXPECT_EQ(Box(boxes), std::vector<std::string>{
                              "LoadScenarioError encountered!\r\nErr# 75, Path/File access error"});
}

TEST_F(FileSafety, AFlagNameFileOfManyBlankLinesIsStillReadToItsNames) {
    PutFileText(FlagPath(), ">VRD\r\n" + std::string(20 << 20, '\n') + "0,-1,\"Gate\"\r\n");
    Scenario s;
    LoadScenData(s, FlagPath());
    EXPECT_EQ(s.StuffDoneNames[0].Name, "Gate");
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

TEST_F(FileSafety, AFailingFlagNameFileLeavesTheScenarioFileUnreplaced) {
    SaveEarlierFiles();
    MsgBoxRecorder boxes;
    {
        // Room for the scenario file and a little of the flag-name file.
        WriteFaultScope fault(
            {.bytesBeforeDiskFull = static_cast<std::int64_t>(earlier_.size()) + 8});
        SaveScenarioV2();
    }
    EXPECT_EQ(Box(boxes), std::vector<std::string>{kNamesBox + "Err# 61, Disk full"});
    ExpectEarlierFiles("disk full in the flag-name file");
    EXPECT_EQ(FolderEntries(program_.File("scenario")),
              (std::vector<std::string>{"Test.vrd", "Test.vrs"}));
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

TEST_F(FileSafety, AWritePastTheFileSizeLimitIsReportedInsteadOfEndingTheProgram) {
    SaveEarlierFiles();
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    MsgBoxRecorder boxes;
    SaveScenarioV2();
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(Box(boxes), std::vector<std::string>{kBox + "Err# 61, Disk full"});
    ExpectEarlierFiles("file-size limit");
}

TEST_F(FileSafety, AFlagNameFileThatCannotTakeItsPlaceLeavesTheOldScenarioFile) {
    struct Case {
        const char* what;
        bool firstSave;
        WriteFaults faults;
        const char* error;
    };
    const Case cases[] = {
        {"second replace fails",
         false,
         {.renameError = EIO, .renameOnto = FlagPath()},
         "Err# 57, Device I/O error"},
        {"second replace fails where files take no second name",
         false,
         {.renameError = EIO, .renameOnto = FlagPath(), .linkError = EPERM},
         "Err# 57, Device I/O error"},
        {"second replace of a first save fails",
         true,
         {.renameError = EACCES, .renameOnto = FlagPath()},
         "Err# 70, Permission denied"},
    };
    for (const Case& c : cases) {
        fs::remove(ScenarioPath());
        fs::remove(FlagPath());
        if (!c.firstSave) SaveEarlierFiles();
        MsgBoxRecorder boxes;
        {
            WriteFaultScope fault(c.faults);
            SaveScenarioV2();
        }
        EXPECT_EQ(Box(boxes), std::vector<std::string>{kNamesBox + c.error}) << c.what;
        if (c.firstSave) {
            EXPECT_TRUE(FolderEntries(program_.File("scenario")).empty()) << c.what;
            continue;
        }
        ExpectEarlierFiles(c.what);
        EXPECT_EQ(FolderEntries(program_.File("scenario")),
                  (std::vector<std::string>{"Test.vrd", "Test.vrs"}))
            << c.what;
    }
}

namespace {
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

// Either file of the pair may refuse to be replaced; the save then leaves both as they were.
TEST_F(FileSafety, AFileThatRefusesReplacementLeavesBothFilesAsTheyWere) {
    struct Case {
        const char* what;
        bool flagNameFile;                             // which file refuses, else the scenario file
        std::function<bool(const std::string&)> block; // false: the machine cannot do it
        std::function<void(const std::string&)> unblock;
        const char* error;
    };
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
    const Case cases[] = {
        {"read-only scenario file", false, readOnly, writable, "Err# 75, Path/File access error"},
        {"read-only flag-name file", true, readOnly, writable, "Err# 75, Path/File access error"},
        {"immutable scenario file", false, immutable, mutableAgain, "Err# 70, Permission denied"},
        {"immutable flag-name file", true, immutable, mutableAgain, "Err# 70, Permission denied"},
        {"folder in the flag-name file's place", true, folder, file,
         "Err# 75, Path/File access error"},
    };
    SaveEarlierFiles();
    for (const Case& c : cases) {
        const std::string path = c.flagNameFile ? FlagPath() : ScenarioPath();
        if (!c.block(path)) {
            std::cout << "skipped, this machine cannot make a " << c.what << "\n";
            continue;
        }
        const mode_t mode = ModeOf(path);
        MsgBoxRecorder boxes;
        SaveScenarioV2();
        EXPECT_EQ(ModeOf(path), mode) << c.what; // the refused file is left alone, folder too
        c.unblock(path);
        EXPECT_EQ(Box(boxes),
                  std::vector<std::string>{(c.flagNameFile ? kNamesBox : kBox) + c.error})
            << c.what;
        ExpectEarlierFiles(c.what);
        EXPECT_EQ(FolderEntries(program_.File("scenario")),
                  (std::vector<std::string>{"Test.vrd", "Test.vrs"}))
            << c.what;
    }
}
