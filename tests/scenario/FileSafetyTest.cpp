// Saving and loading as an author, an unlucky author and a careful attacker would: a save writes
// the scenario file, its flag-name file and a temporary copy, and a failed save reports itself
// and leaves the earlier pair of files as it was.
#include "platform/core/ProgramPaths.h"
#include "platform/core/StagedFile.h"
#include "scenario/ScenarioFileDialog.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/ScenarioSave.h"
#include "support/FileDialogScript.h"
#include "support/OwnLayoutImage.h"
#include "support/SampleScenario.h"
#include "support/ShownBoxes.h"
#include "support/TempFolder.h"
#include "support/WriteFaultScope.h"

#include <fcntl.h>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {
const std::string kBox = "Error|16|SaveScenarioV2Error encountered!\r\n";
const std::string kNamesBox = "Error|16|SaveScenDataError encountered!\r\n";
const std::string kDiskFull = "Err# 61, Disk full", kDenied = "Err# 70, Permission denied";
const std::string kIo = "Err# 57, Device I/O error", kAccess = "Err# 75, Path/File access error";

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

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

// Sets an environment variable while it lives.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvironmentVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// What stands in a save's way besides the faults of the disk.
enum class Block { None, TooLongText, SmallFileLimit, ReadOnly, Immutable, FolderInPlace };

class FileSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(program_.File("scenario"));
        SetProgramFolderForTesting(program_.Path());
        SetTempSaveFolderForTesting(temp_.File("save"));
        Scen = MakeVariedScenario(2, 2, 2, 5);
        Scen.StuffDoneNames[1].Name = "Lever";
        ScenFile = {"", "Test.vrs"};
    }
    std::string ScenarioPath() const { return program_.File("scenario/Test.vrs"); }
    std::string FlagPath() const { return program_.File("scenario/Test.vrd"); }
    std::string TempPath() const { return temp_.File("save/Test.vrs"); }
    static Boxes Save(const WriteFaults& faults = {}) {
        MsgBoxRecorder boxes;
        const WriteFaultScope fault(faults);
        SaveScenarioV2();
        return Shown(boxes);
    }
    // Puts the block in place (false: this machine cannot), or takes it away.
    bool SetBlock(Block block, const std::string& path, bool on) {
        if (block == Block::TooLongText) std::swap(Scen.TownTalks[1].Nodes[4].Text2, swapText_);
        if (block == Block::ReadOnly) return ::chmod(path.c_str(), on ? 0444 : 0644) == 0;
        if (block == Block::Immutable) return SetImmutable(path, on);
        if (block == Block::FolderInPlace && on)
            return fs::remove(path) && fs::create_directory(path);
        if (block == Block::FolderInPlace)
            fs::remove(path) ? PutFileBytes(path, earlierNames_) : void();
        rlimit limit{};
        if (block != Block::SmallFileLimit) return true;
        if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
        if (on) limitBefore_ = limit.rlim_cur;
        limit.rlim_cur = on ? 4096 : limitBefore_;
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }

    TempFolder program_, temp_;
    std::vector<std::uint8_t> earlierNames_;
    std::string swapText_ = std::string(256, 'x');
    rlim_t limitBefore_ = 0;
};
} // namespace

TEST_F(FileSafety, ASaveWritesTheFolderFileTheTempCopyAndTheFlagNamesKeepingModesAndLinks) {
    EXPECT_EQ(Save(), Boxes{});
    EXPECT_EQ(ScenFile.ScenFilePath, ScenarioPath());
    const auto file = FileBytes(ScenarioPath());
    EXPECT_EQ(FileBytes(TempPath()), file);
    EXPECT_EQ(FileText(FlagPath()), ">VRD\r\n1,-1,\"Lever\"\r\n");
    SectionDirectoryTable directory{};
    EXPECT_TRUE(file == OwnLayoutImage(Scen, &directory));
    EXPECT_EQ(ScenFile.SectionDirectory, directory);

    // A shorter save leaves no stale tail: the directory keeps the entries of the earlier save
    // that no section overwrote, the rest is this scenario's bytes exactly.
    Scen = MakeMinimalScenario();
    EXPECT_EQ(Save(), Boxes{});
    const auto expected = OwnLayoutImage(Scen);
    const auto written = FileBytes(ScenarioPath());
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_TRUE(std::equal(written.begin() + 1280, written.end(), expected.begin() + 1280));
    EXPECT_EQ(FileBytes(TempPath()), written);

    // A scenario opened elsewhere is saved into the scenario folder.
    TempFolder elsewhere;
    PutFileText(elsewhere.File("Test.vrs"), "original");
    ScenFile.ScenFilePath = elsewhere.File("Test.vrs");
    EXPECT_EQ(Save(), Boxes{});
    EXPECT_EQ(FileText(elsewhere.File("Test.vrs")), "original");
    EXPECT_EQ(ScenFile.ScenFilePath, ScenarioPath());

    // Saving keeps the file modes, a link in the scenario file's place and the longest names.
    ::chmod(ScenarioPath().c_str(), 0600);
    ::chmod(FlagPath().c_str(), 0640);
    Save();
    EXPECT_EQ(std::pair(ModeOf(ScenarioPath()), ModeOf(FlagPath())), std::pair(0600u, 0640u));

    TempFolder linked;
    fs::rename(ScenarioPath(), linked.File("Real.vrs"));
    fs::create_symlink(linked.File("Real.vrs"), ScenarioPath());
    Scen.ScenStrings[0] = "through the link";
    EXPECT_EQ(Save(), Boxes{});
    EXPECT_TRUE(fs::is_symlink(ScenarioPath()));
    EXPECT_EQ(FileBytes(linked.File("Real.vrs")), FileBytes(TempPath()));
    EXPECT_EQ(ModeOf(linked.File("Real.vrs")), 0600u);
    EXPECT_EQ(FolderEntries(linked.Path()), Boxes{"Real.vrs"});

    ScenFile.ScenFileName = std::string(251, 'n') + ".vrs";
    EXPECT_EQ(Save(), Boxes{});
    EXPECT_TRUE(fs::exists(program_.File("scenario/" + ScenFile.ScenFileName)));
    EXPECT_TRUE(fs::exists(program_.File("scenario/" + std::string(251, 'n') + ".vrd")));
}

// Every way a save can fail: the box names the failure and the file it fell on, and the
// earlier pair of files, the temporary copy and the folders stay as they were.
TEST_F(FileSafety, AFailedSaveIsReportedAndLeavesTheEarlierPairOfFiles) {
    ASSERT_EQ(Save(), Boxes{});
    const auto earlier = FileBytes(ScenarioPath());
    earlierNames_ = FileBytes(FlagPath());
    Scen.ScenStrings[0] = Scen.StuffDoneNames[1].Name = "changed";
    const auto size = static_cast<std::int64_t>(OwnLayoutImage(Scen).size());
    const std::string flags = FlagPath();
    const WriteFaults noLink{.renameError = EIO, .renameOnto = flags, .linkError = EPERM};
    // What fails; whether it falls on the flag-name file, else the scenario file; the faults of
    // the disk, what else stands in the save's way; the error shown.
    const std::tuple<const char*, bool, WriteFaults, Block, std::string> cases[] = {
        {"disk full", false, {.bytesBeforeDiskFull = size / 2}, Block::None, kDiskFull},
        {"unwritable folder", false, {.createError = EACCES}, Block::None, kDenied},
        {"flushing fails", false, {.syncError = EIO}, Block::None, kIo},
        {"renaming fails", false, {.renameError = EIO}, Block::None, kIo},
        {"a text too long", false, {}, Block::TooLongText, "Err# 6, Overflow"},
        {"past the file-size limit", false, {}, Block::SmallFileLimit, kDiskFull},
        {"names: disk full", true, {.bytesBeforeDiskFull = size + 8}, Block::None, kDiskFull},
        {"names: replace fails", true, {.renameError = EIO, .renameOnto = flags}, Block::None, kIo},
        {"names: ... no second names", true, noLink, Block::None, kIo},
        {"read-only scenario file", false, {}, Block::ReadOnly, kAccess},
        {"read-only flag-name file", true, {}, Block::ReadOnly, kAccess},
        {"immutable scenario file", false, {}, Block::Immutable, kDenied},
        {"immutable flag-name file", true, {}, Block::Immutable, kDenied},
        {"folder as flag-name file", true, {}, Block::FolderInPlace, kAccess},
    };
    for (const auto& [what, names, faults, block, error] : cases) {
        SCOPED_TRACE(what);
        const std::string path = names ? FlagPath() : ScenarioPath();
        if (!SetBlock(block, path, true)) {
            std::cout << "skipped, this machine cannot make a " << what << "\n";
            continue;
        }
        const mode_t mode = ModeOf(path);
        const Boxes shown = Save(faults);
        EXPECT_EQ(ModeOf(path), mode); // a refused file is left alone, folder too
        SetBlock(block, path, false);
        EXPECT_EQ(shown, Boxes{(names ? kNamesBox : kBox) + error});
        EXPECT_EQ(FileBytes(ScenarioPath()), earlier);
        EXPECT_EQ(FileBytes(FlagPath()), earlierNames_);
        EXPECT_EQ(FolderEntries(program_.File("scenario")), (Boxes{"Test.vrd", "Test.vrs"}));
        EXPECT_EQ(FolderEntries(temp_.File("save")), Boxes{"Test.vrs"});
    }

    // A first save that fails leaves nothing new: a folder in the scenario file's place stays
    // alone, and a flag-name file that cannot take its place takes the scenario file with it.
    for (const bool folderInPlace : {true, false}) {
        fs::remove(ScenarioPath());
        fs::remove(FlagPath());
        if (folderInPlace) fs::create_directory(ScenarioPath());
        EXPECT_EQ(Save(folderInPlace ? WriteFaults{}
                                     : WriteFaults{.renameError = EACCES, .renameOnto = flags}),
                  Boxes{folderInPlace ? kBox + kAccess : kNamesBox + kDenied});
        EXPECT_EQ(FolderEntries(program_.File("scenario")),
                  folderInPlace ? Boxes{"Test.vrs"} : Boxes{});
    }
}

TEST_F(FileSafety, HostileNamesCannotLeadOutsideTheScenarioFolderAndPipesDoNotHangALoad) {
    const std::string bad = "Err# 52, Bad file name or number";
    for (const std::string& name :
         Boxes{"..\\..\\x.vrs", "sub\\x.vrs", "../escape.vrs", ".", "..", std::string("a\0b", 3)}) {
        ScenFile.ScenFileName = name;
        EXPECT_EQ(Save(), Boxes{kBox + bad}) << name;
    }
    EXPECT_EQ(FolderEntries(program_.Path()), Boxes{"scenario"});
    EXPECT_TRUE(FolderEntries(program_.File("scenario")).empty());

    // Nor can such a name come in through Open or Save As.
    ScenFile.ScenFileName = "Test.vrs";
    Save();
    const std::string hostile = program_.File("scenario/..\\..\\x.vrs");
    fs::copy_file(ScenarioPath(), hostile);
    MsgBoxRecorder boxes;
    LoadScenario("..\\..\\x.vrs", hostile);
    EXPECT_EQ(ScenFile.ScenFileName, "Test.vrs");
    FileDialogScript dialogs;
    dialogs.Choose(hostile);
    std::string title, path;
    OpenScenFile(title, path, 2);
    EXPECT_EQ(ScenFile.FileDialogCancelled, -1);

    // A pipe in the flag-name file's place or the scenario file's is refused, not waited on.
    fs::remove(FlagPath());
    const std::string pipe = program_.File("scenario/Pipe.vrs");
    ASSERT_EQ(::mkfifo(FlagPath().c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    Scen = Scenario{};
    auto load = std::async(std::launch::async, [&] {
        LoadScenario("Test.vrs", ScenarioPath());
        LoadScenario("Pipe.vrs", pipe);
    });
    if (load.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // Free the blocked reader so that the test ends, failing.
        for (const std::string& p : {FlagPath(), pipe})
            ::close(::open(p.c_str(), O_WRONLY | O_NONBLOCK));
        ADD_FAILURE() << "loading waited on a pipe";
    }
    load.get();
    EXPECT_EQ(Scen.StuffDoneNames[1].Name, ""); // loaded, without flag names
    EXPECT_EQ(Scen.TownCount, 2);
    EXPECT_EQ(Shown(boxes), (Boxes{"Error|16|LoadScenarioError encountered!\r\n" + bad,
                                   "Error|16|OpenScenFileError encountered!\r\n" + bad,
                                   "Error|16|LoadScenarioError encountered!\r\n" + kAccess}));
}

TEST_F(FileSafety, StagingFilesLeftByACrashAreRemovedByTheNextSaveOrStart) {
    const std::string folder = program_.File("scenario/");
    const Boxes thisName = {"Test.vrs.saving-AbC123", StagingNamePrefix("Test.vrs") + "Zz9Yy8",
                            "Test.vrd.saving-x1Y2z3", StagingNamePrefix("Test.vrd") + "q0W9e8"};
    const Boxes otherName = {"Other.vrs.saving-AbC123", StagingNamePrefix("Other.vrs") + "Qq1Ww2"};
    // Our prefixes have lower-case hexadecimal digits only: a user's file with capitals stays.
    const Boxes notOurs = {"Test.vrs.saving-toolong", "Test.vrs.saving-", "notes.txt",
                           ".0000000g.AbC123",        ".00000000.AbC12",  ".1234ABCD.Ab12Cd",
                           ".0123abcD.Zz9Yy8"};
    const std::string folderOfOurs = StagingNamePrefix("Test.vrs") + "Dir123";
    for (const bool atStart : {false, true}) {
        for (const auto& names : {thisName, otherName, notOurs})
            for (const std::string& name : names)
                PutFileText(folder + name, std::string(1000, 's'));
        fs::create_directories(folder + folderOfOurs);
        Boxes expected = notOurs;
        expected.insert(expected.end(), {folderOfOurs, "Test.vrd", "Test.vrs"});
        if (atStart) {
            RemoveStagingLeftovers(folder);
        } else {
            Save();
            expected.insert(expected.end(), otherName.begin(), otherName.end());
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(FolderEntries(folder), expected) << (atStart ? "at start" : "at save");
    }
}

TEST_F(FileSafety, AnotherUserCannotBlockSavesByMakingTheTempFolderFirst) {
    SetTempSaveFolderForTesting("");
    TempFolder runtime, cache;
    ::chmod(runtime.Path().c_str(), 0700);
    const EnvironmentVariable runtimeDir("XDG_RUNTIME_DIR", runtime.Path());
    const EnvironmentVariable cacheHome("XDG_CACHE_HOME", cache.Path() + "/c");
    // Another user's folder where the copy would go: owned by another uid where the tests may
    // give one away, else a link to a folder the other user could read.
    const auto occupy = [](const std::string& folder) {
        if (::geteuid() != 0) return fs::create_directory_symlink("/tmp", folder);
        fs::create_directory(folder);
        ASSERT_EQ(::chown(folder.c_str(), 4242, 4242), 0);
    };
    occupy(runtime.File("varno-editor"));
    EXPECT_EQ(Save(), Boxes{});
    EXPECT_EQ(FileBytes(cache.File("c/varno-editor/Test.vrs")), FileBytes(ScenarioPath()));
    EXPECT_EQ(ModeOf(cache.File("c/varno-editor")), 0700u);

    // Only when neither place can be made private is the save refused.
    fs::remove_all(cache.File("c/varno-editor"));
    occupy(cache.File("c/varno-editor"));
    fs::remove(ScenarioPath());
    EXPECT_EQ(Save(), Boxes{kBox + kDenied});
    EXPECT_FALSE(fs::exists(ScenarioPath()));
}

// Start-up tidies the spare-copy folders that exist, wherever an earlier run's environment put
// them, and makes none; a folder open to others is not taken for ours.
TEST_F(FileSafety, TheSpareCopyFoldersToTidyAreThoseThatExistAndArePrivate) {
    SetTempSaveFolderForTesting("");
    TempFolder runtime, cache;
    ::chmod(runtime.Path().c_str(), 0700);
    const EnvironmentVariable runtimeDir("XDG_RUNTIME_DIR", runtime.Path());
    const EnvironmentVariable cacheHome("XDG_CACHE_HOME", cache.Path());
    const std::string inRuntime = runtime.File("varno-editor");
    const std::string inCache = cache.File("varno-editor");
    using Folders = std::vector<std::string>;
    EXPECT_EQ(ExistingTempSaveFolders(), Folders{});
    EXPECT_FALSE(fs::exists(inRuntime) || fs::exists(inCache)) << "none is made";
    for (const std::string& folder : {inRuntime, inCache})
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    EXPECT_EQ(ExistingTempSaveFolders(), (Folders{inRuntime, inCache}));
    ::chmod(inCache.c_str(), 0755);
    EXPECT_EQ(ExistingTempSaveFolders(), Folders{inRuntime});
    // A runtime folder that is not private is not used for the copy, so not looked into either.
    ::chmod(runtime.Path().c_str(), 0755);
    EXPECT_EQ(ExistingTempSaveFolders(), Folders{});
}

// When the flag names fail and the old scenario file cannot be put back either, the author is
// told where it is kept, and neither a later start nor a later save removes it.
TEST_F(FileSafety, AnOldScenarioThatCannotBePutBackIsKeptAndNamed) {
    ASSERT_EQ(Save(), Boxes{});
    const auto earlier = FileBytes(ScenarioPath());
    Scen.ScenStrings[0] = "changed";
    // The spare copy and the scenario file are renamed into place; every rename after fails.
    const Boxes shown = Save({.renameError = EIO, .renamesBeforeError = 2});
    const std::string folder = program_.File("scenario");
    std::string keptPath;
    for (const std::string& entry : FolderEntries(folder))
        if (entry.rfind(KeptNamePrefix("Test.vrs"), 0) == 0) keptPath = folder + "/" + entry;
    ASSERT_FALSE(keptPath.empty());
    EXPECT_EQ(shown, (Boxes{kNamesBox + kIo, "Error|16|The old scenario file could not be put "
                                             "back.\r\nIt is kept as " + keptPath}));
    RemoveStagingLeftovers(folder);
    EXPECT_EQ(Save(), Boxes{});
    EXPECT_EQ(FileBytes(keptPath), earlier);
}
