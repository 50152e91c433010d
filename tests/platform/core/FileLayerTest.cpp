#include "platform/core/BinaryFile.h"
#include "platform/core/ByteSource.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/TextFile.h"

#include "support/MsgBoxRecorder.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
int ErrorOf(const std::function<void()>& f) {
    try {
        f();
        return 0;
    } catch (const RuntimeError& e) {
        return e.number();
    }
}
const std::vector<std::uint8_t> kBytes{1, 2, 3, 0, 255};
} // namespace

TEST(RuntimeErrors, CarryTheirStandardDescriptions) {
    const std::pair<int, const char*> known[] = {{6, "Overflow"},
                                                 {9, "Subscript out of range"},
                                                 {13, "Type mismatch"},
                                                 {53, "File not found"},
                                                 {62, "Input past end of file"},
                                                 {70, "Permission denied"},
                                                 {75, "Path/File access error"},
                                                 {76, "Path not found"}};
    for (const auto& [number, text] : known)
        EXPECT_EQ(RuntimeError(number).description(), text);
}

TEST(ErrorBox, NamesTheProcedureAndTheError) {
    MsgBoxRecorder boxes;
    EXPECT_FALSE(RunTrapped("LoadThing", [] { RaiseError(53); }));
    EXPECT_TRUE(RunTrapped("LoadThing", [] {}));
    EXPECT_FALSE(RunTrapped("Grow", [] { throw std::bad_alloc(); }));
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].text, "LoadThingError encountered!\r\nErr# 53, File not found");
    EXPECT_EQ(boxes.Calls()[0].title, "Error");
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Critical);
    EXPECT_EQ(boxes.Calls()[1].text, "GrowError encountered!\r\nErr# 7, Out of memory");
}

TEST(BinaryFile, MissingFilesAndFoldersHaveTheirOwnErrors) {
    TempFolder dir;
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(dir.File("none.vrs")); }), 53);
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(dir.File("no/none.vrs")); }), 76);
    EXPECT_EQ(ErrorOf([&] { WriteFileBytes(dir.File("no/x.vrs"), kBytes); }), 76);
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(dir.Path()); }), 75);
    EXPECT_EQ(ErrorOf([&] { ByteSource source(dir.File("none.vrs")); }), 53);
    EXPECT_EQ(ErrorOf([&] { ByteSource source(dir.File("no/none.vrs")); }), 76);
    EXPECT_EQ(ErrorOf([&] { ByteSource source(dir.Path()); }), 75);
}

// Parts smaller and larger than what one read from the disk brings, looked ahead at and taken:
// each holds the file's own bytes at their positions, and the last is cut where the file ends.
TEST(BinaryFile, AFileReadPartByPartGivesEveryByteOnceAtItsPosition) {
    TempFolder dir;
    std::vector<std::uint8_t> file(2'600'000);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    PutFileBytes(dir.File("f"), file);
    ByteSource source(dir.File("f"));
    FilePos pos = 1;
    for (std::size_t size : {std::size_t{3}, std::size_t{1'000'000}, std::size_t{1'500'000},
                             std::size_t{0}, std::size_t{90'000}, std::size_t{200'000}}) {
        EXPECT_EQ(source.Ahead(size).First(), pos);
        const ByteReader part = source.Take(size);
        const auto expected = std::min<std::size_t>(size, file.size() - (pos - 1));
        ASSERT_EQ(part.Size(), static_cast<std::int64_t>(expected)) << "part at " << pos;
        EXPECT_TRUE(std::equal(part.Bytes().begin(), part.Bytes().end(), file.begin() + (pos - 1)))
            << "part at " << pos;
        pos += part.Size();
        EXPECT_EQ(source.Pos(), pos);
    }
    EXPECT_EQ(pos, static_cast<FilePos>(file.size()) + 1);
}

TEST(BinaryFile, WritingEmptiesTheFileFirst) {
    TempFolder dir;
    PutFileBytes(dir.File("f"), std::vector<std::uint8_t>(100, 9));
    WriteFileBytes(dir.File("f"), kBytes);
    EXPECT_EQ(ReadFileBytes(dir.File("f")), kBytes);
}

TEST(BinaryFile, ReplacingAFileLeavesOnlyTheNewFile) {
    TempFolder dir;
    PutFileText(dir.File("f.vrs"), "old contents");
    ReplaceFileWithBytes(dir.File("f.vrs"), kBytes);
    EXPECT_EQ(FileBytes(dir.File("f.vrs")), kBytes);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("f.vrs").c_str(), &st), 0);
    EXPECT_NE(st.st_mode & 0044, 0u) << "a saved file is as readable as any new file";
}

TEST(BinaryFile, AFailedReplaceKeepsTheOldFileAndLeavesNoDebris) {
    TempFolder dir;
    std::filesystem::create_directory(dir.File("target"));
    PutFileText(dir.File("target/inner"), "keep");
    EXPECT_NE(ErrorOf([&] { ReplaceFileWithBytes(dir.File("target"), kBytes); }), 0);
    EXPECT_EQ(FileText(dir.File("target/inner")), "keep");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(TextFile, WritesCrLfAndReadsEitherLineEnd) {
    TextFileBuilder b;
    b.WriteLine("one");
    b.WriteLine("");
    b.WriteLine("three");
    EXPECT_EQ(b.Contents(), "one\r\n\r\nthree\r\n");
    EXPECT_EQ(SplitTextLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitTextLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitTextLines("a\r\r\n"), (std::vector<std::string>{"a\r"}));
    EXPECT_TRUE(SplitTextLines("").empty());
}

TEST(ProgramPaths, MapBackslashPathsUnderTheProgramFolder) {
    SetProgramFolderForTesting("/opt/editor");
    EXPECT_EQ(ProgramPath("\\scenario\\fenmarrow\\fenmarrow.vrs"),
              "/opt/editor/scenario/fenmarrow/fenmarrow.vrs");
    EXPECT_EQ(ProgramPath("Images\\ter1.bmp"), "/opt/editor/Images/ter1.bmp");
    SetProgramFolderForTesting("");
    EXPECT_TRUE(FolderExists(ProgramFolder()));
}

TEST(ProgramPaths, TheTempSaveFolderIsCreatedPrivate) {
    TempFolder dir;
    SetTempSaveFolderForTesting(dir.File("save"));
    EXPECT_EQ(TempSaveFolder(), dir.File("save"));
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("save").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    ::chmod(dir.File("save").c_str(), 0755);
    EXPECT_EQ(ErrorOf([] { TempSaveFolder(); }), 70);
    std::filesystem::remove(dir.File("save"));
    std::filesystem::create_directory_symlink(dir.Path(), dir.File("save"));
    EXPECT_EQ(ErrorOf([] { TempSaveFolder(); }), 70);
    SetTempSaveFolderForTesting(dir.File("no/save"));
    EXPECT_EQ(ErrorOf([] { TempSaveFolder(); }), 76);
    SetTempSaveFolderForTesting("");
}

TEST(ProgramPaths, PlainFileNames) {
    EXPECT_TRUE(IsPlainFileName("My Scenario.vrs"));
    for (const std::string& bad : std::vector<std::string>{
             "", ".", "..", "a/b.vrs", "/abs.vrs", "..\\..\\x.vrs", "a\\b", std::string("a\0b", 3)})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

TEST(BinaryFile, SiblingFilesAreFoundWhateverTheirLetterCase) {
    TempFolder dir;
    PutFileText(dir.File("Quest.VRD"), "x");
    EXPECT_EQ(FindFileIgnoringCase(dir.File("Quest.vrd")), dir.File("Quest.VRD"));
    PutFileText(dir.File("Quest.vrd"), "y"); // the exact name wins when it exists
    EXPECT_EQ(FindFileIgnoringCase(dir.File("Quest.vrd")), dir.File("Quest.vrd"));
    EXPECT_EQ(FindFileIgnoringCase(dir.File("none.bmp")), dir.File("none.bmp"));
    EXPECT_EQ(FindFileIgnoringCase(dir.File("no/none.bmp")), dir.File("no/none.bmp"));
}

TEST(BinaryFile, ReadingAPipeIsRefusedAtOnceInsteadOfWaitingForAWriter) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(dir.File("pipe")); }), 75);
    PutFileText(dir.File("big"), "12345");
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(dir.File("big"), 4); }), 7);
    EXPECT_EQ(ErrorOf([&] { ByteSource source(dir.File("pipe")); }), 75);
    EXPECT_EQ(ErrorOf([&] { ByteSource source(dir.File("big"), 4); }), 7);
}
