#include "platform/core/BinaryFile.h"
#include "platform/core/ByteSource.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/TextFile.h"
#include "support/ErrorOf.h"
#include "support/ShownBoxes.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
const std::vector<std::uint8_t> kBytes{1, 2, 3, 0, 255};
} // namespace

TEST(RuntimeErrors, CarryTheirStandardDescriptionsIntoTheBoxOfATrappedProcedure) {
    // The others show in the boxes of the tests of loading, saving and importing.
    for (const auto& [number, text] : std::vector<std::pair<int, std::string>>{
             {6, "Overflow"}, {13, "Type mismatch"}, {75, "Path/File access error"}})
        EXPECT_EQ(RuntimeError(number).description(), text);
    // A trapped error's box names the procedure and the error, as the loading and saving tests
    // show for the errors they meet; here, running out of memory.
    MsgBoxRecorder boxes;
    EXPECT_TRUE(RunTrapped("LoadThing", [] {}));
    EXPECT_FALSE(RunTrapped("Grow", [] { throw std::bad_alloc(); }));
    EXPECT_EQ(Shown(boxes), Boxes{"Error|16|GrowError encountered!\r\nErr# 7, Out of memory"});
}

TEST(BinaryFile, ReadsPartByPartAndGivesMissingFilesFoldersPipesAndOversizedFilesTheirErrors) {
    TempFolder dir;
    PutFileText(dir.File("big"), "12345");
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0); // refused at once, not waited on
    for (const auto& c : std::vector<std::pair<std::string, int>>{
             {"none.vrs", 53}, {"no/none.vrs", 76}, {"", 75}, {"big", 7}, {"pipe", 75}}) {
        EXPECT_EQ(ErrorOf([&] { ReadFileBytes(dir.File(c.first), 4); }), c.second) << c.first;
        EXPECT_EQ(ErrorOf([&] { ByteSource source(dir.File(c.first), 4); }), c.second) << c.first;
    }
    EXPECT_EQ(ErrorOf([&] { WriteFileBytes(dir.File("no/x.vrs"), kBytes); }), 76);
    PutFileBytes(dir.File("f"), std::vector<std::uint8_t>(100, 9));
    WriteFileBytes(dir.File("f"), kBytes); // writing empties the file first
    EXPECT_EQ(ReadFileBytes(dir.File("f")), kBytes);
    // A sibling file is found in another letter case (as loading shows), the exact name winning.
    PutFileText(dir.File("F"), "x");
    EXPECT_EQ(FindFileIgnoringCase(dir.File("f")), dir.File("f"));
    EXPECT_EQ(FindFileIgnoringCase(dir.File("no/none.bmp")), dir.File("no/none.bmp"));
    // Parts smaller and larger than what one read from the disk brings, looked ahead at and taken:
    // each holds the file's own bytes at their positions, and the last is cut where the file ends.
    std::vector<std::uint8_t> file(2'600'000);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    PutFileBytes(dir.File("parts"), file);
    ByteSource source(dir.File("parts"));
    std::vector<std::uint8_t> read;
    for (const std::size_t size : {3, 1'000'000, 1'500'000, 0, 90'000, 200'000}) {
        EXPECT_EQ(source.Ahead(size).First(), source.Pos());
        const ByteReader part = source.Take(size);
        ASSERT_EQ(part.First(), static_cast<FilePos>(read.size()) + 1);
        read.insert(read.end(), part.Bytes().begin(), part.Bytes().end());
        EXPECT_EQ(source.Pos(), part.End());
    }
    EXPECT_EQ(read, file);
}

TEST(BinaryFile, ReplacingAFileLeavesOnlyTheNewFileAndAFailedReplaceOnlyTheOld) {
    TempFolder dir;
    PutFileText(dir.File("f.vrs"), "old contents");
    ReplaceFileWithBytes(dir.File("f.vrs"), kBytes);
    EXPECT_EQ(FileBytes(dir.File("f.vrs")), kBytes);
    std::filesystem::create_directory(dir.File("target"));
    PutFileText(dir.File("target/inner"), "keep");
    EXPECT_NE(ErrorOf([&] { ReplaceFileWithBytes(dir.File("target"), kBytes); }), 0);
    EXPECT_EQ(FileText(dir.File("target/inner")), "keep");
    ReplaceFileWithBytes(dir.File("new.vrs"), kBytes);
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"f.vrs", "new.vrs", "target"}));
    using std::filesystem::perms;
    EXPECT_NE(std::filesystem::status(dir.File("new.vrs")).permissions() &
                  (perms::group_read | perms::others_read),
              perms::none)
        << "a saved file is as readable as any new file";
}

// Writing CR LF is proven by the text dump's test.
TEST(TextFile, ReadsEitherLineEnd) {
    EXPECT_EQ((std::vector{SplitTextLines("a\r\nb\nc"), SplitTextLines("a\r\n"),
                           SplitTextLines("a\r\r\n"), SplitTextLines("")}),
              (std::vector<std::vector<std::string>>{{"a", "b", "c"}, {"a"}, {"a\r"}, {}}));
}

TEST(ProgramPaths, MapBackslashPathsRefuseAllButPlainFileNamesAndKeepTheTempFolderPrivate) {
    SetProgramFolderForTesting("/opt/editor");
    EXPECT_EQ(ProgramPath("\\scenario\\fenmarrow\\fenmarrow.vrs"),
              "/opt/editor/scenario/fenmarrow/fenmarrow.vrs");
    EXPECT_EQ(ProgramPath("Images\\ter1.bmp"), "/opt/editor/Images/ter1.bmp");
    SetProgramFolderForTesting("");
    EXPECT_TRUE(FolderExists(ProgramFolder()));
    EXPECT_TRUE(IsPlainFileName("My Scenario.vrs"));
    for (const std::string& bad : std::vector<std::string>{
             "", ".", "..", "a/b.vrs", "/abs.vrs", "..\\..\\x.vrs", "a\\b", std::string("a\0b", 3)})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    // The temp save folder is created private, and refused when it is not.
    TempFolder dir;
    SetTempSaveFolderForTesting(dir.File("save"));
    EXPECT_EQ(TempSaveFolder(), dir.File("save"));
    EXPECT_EQ(std::filesystem::status(dir.File("save")).permissions(),
              std::filesystem::perms::owner_all);

    ::chmod(dir.File("save").c_str(), 0755);
    EXPECT_EQ(ErrorOf([] { TempSaveFolder(); }), 70);
    std::filesystem::remove(dir.File("save"));
    std::filesystem::create_directory_symlink(dir.Path(), dir.File("save"));
    EXPECT_EQ(ErrorOf([] { TempSaveFolder(); }), 70);
    SetTempSaveFolderForTesting(dir.File("no/save"));
    EXPECT_EQ(ErrorOf([] { TempSaveFolder(); }), 76);
    SetTempSaveFolderForTesting("");
}
