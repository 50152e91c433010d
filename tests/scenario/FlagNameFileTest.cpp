#include "scenario/FlagNameFile.h"

#include "support/MsgBoxRecorder.h"
#include "support/TempFolder.h"
#include "support/WriteFaultScope.h"

#include <cerrno>

#include <gtest/gtest.h>

TEST(FlagNameFile, WritesEachNameThatIsSetInFlagThenValueOrderQuotedOnOneLine) {
    Scenario s;
    EXPECT_EQ(FlagNameFileContents(s.StuffDoneNames), ">VRD\r\n");
    s.StuffDoneNames[0].Name = "Door open";
    s.StuffDoneNames[0].ValueNames[9] = "Broken";
    s.StuffDoneNames[4].Name = "The \"Red\" Key";
    s.StuffDoneNames[5].Name = "two\r\nlines";
    s.StuffDoneNames[12].ValueNames[3] = "Met the smith"; // value without a flag name
    s.StuffDoneNames[299].Name = "Last";
    EXPECT_EQ(FlagNameFileContents(s.StuffDoneNames), ">VRD\r\n"
                                                      "0,-1,\"Door open\"\r\n"
                                                      "0,9,\"Broken\"\r\n"
                                                      "4,-1,\"The \"\"Red\"\" Key\"\r\n"
                                                      "5,-1,\"two  lines\"\r\n"
                                                      "12,3,\"Met the smith\"\r\n"
                                                      "299,-1,\"Last\"\r\n");
}

TEST(FlagNameFile, NamesSurviveASaveAndALoad) {
    TempFolder dir;
    Scenario s;
    s.StuffDoneNames[0].Name = "Gate";
    s.StuffDoneNames[7].ValueNames[0] = "Not yet";
    s.StuffDoneNames[7].ValueNames[9] = "Say \"hi\", friend";
    s.StuffDoneNames[150].Name = "\xC9t\xE9";
    MsgBoxRecorder boxes;
    SaveScenData(s, dir.File("a.vrd"));
    EXPECT_TRUE(boxes.Calls().empty());

    Scenario read;
    read.StuffDoneNames[1].Name = "left over";
    LoadScenData(read, dir.File("a.vrd"));
    EXPECT_EQ(read.StuffDoneNames, s.StuffDoneNames);
}

TEST(FlagNameFile, LoadingClearsNamesEvenWithoutAFile) {
    TempFolder dir;
    Scenario s;
    s.StuffDoneNames[3].Name = "old";
    s.StuffDoneNames[3].ValueNames[2] = "old value";
    LoadScenData(s, dir.File("missing.vrd"));
    EXPECT_EQ(s.StuffDoneNames[3], StuffDoneDescription{});
}

TEST(FlagNameFile, AFirstLineOtherThanTheMarkerIsNotAccepted) {
    TempFolder dir;
    for (const char* contents : {">VRD \r\n1,-1,\"x\"\r\n", ">vrd\r\n1,-1,\"x\"\r\n", ""}) {
        PutFileText(dir.File("f.vrd"), contents);
        Scenario s;
        LoadScenData(s, dir.File("f.vrd"));
        EXPECT_EQ(s.StuffDoneNames[1].Name, "") << contents;
    }
}

TEST(FlagNameFile, ReadsLineFeedOnlyFilesAndFilesWithoutDoubledQuotes) {
    TempFolder dir;
    PutFileText(dir.File("f.vrd"), ">VRD\n2,-1,\"Plain\"\n2,0,\"Zero\"\n2, 1 ,Bare words\n");
    Scenario s;
    LoadScenData(s, dir.File("f.vrd"));
    EXPECT_EQ(s.StuffDoneNames[2].Name, "Plain");
    EXPECT_EQ(s.StuffDoneNames[2].ValueNames[0], "Zero");
    EXPECT_EQ(s.StuffDoneNames[2].ValueNames[1], "Bare words");
}

TEST(FlagNameFile, AMalformedLineKeepsWhatWasReadBeforeIt) {
    TempFolder dir;
    for (const char* bad : {"300,-1,\"out of range\"", "1,10,\"value 10\"", "1,-2,\"x\"",
                            "one,-1,\"x\"", "1,-1,\"unclosed", "1;-1;\"x\""}) {
        PutFileText(dir.File("f.vrd"),
                    std::string(">VRD\r\n0,-1,\"kept\"\r\n") + bad + "\r\n5,-1,\"after\"\r\n");
        Scenario s;
        LoadScenData(s, dir.File("f.vrd"));
        EXPECT_EQ(s.StuffDoneNames[0].Name, "kept") << bad;
        EXPECT_EQ(s.StuffDoneNames[5].Name, "") << bad;
    }
}

TEST(FlagNameFile, AFailedWriteIsReportedAndLeavesTheOldFile) {
    struct Case {
        const char* what;
        WriteFaults faults;
        const char* error;
    };
    const Case cases[] = {
        {"disk full mid-file", {.bytesBeforeDiskFull = 12}, "Err# 61, Disk full"},
        {"the folder refuses the file", {.createError = EACCES}, "Err# 70, Permission denied"},
        {"flushing fails", {.syncError = EIO}, "Err# 57, Device I/O error"},
        {"renaming fails", {.renameError = EIO}, "Err# 57, Device I/O error"},
    };
    TempFolder dir;
    const std::string path = dir.File("names.vrd");
    Scenario s;
    s.StuffDoneNames[0].Name = "old";
    SaveScenData(s, path);
    const auto old = FileBytes(path);
    s.StuffDoneNames[0].Name = std::string(200, 'n');
    for (const Case& c : cases) {
        MsgBoxRecorder boxes;
        {
            WriteFaultScope fault(c.faults);
            SaveScenData(s, path);
        }
        ASSERT_EQ(boxes.Calls().size(), 1u) << c.what;
        EXPECT_EQ(boxes.Calls()[0].title, "Error");
        EXPECT_EQ(boxes.Calls()[0].text,
                  std::string("SaveScenDataError encountered!\r\n") + c.error)
            << c.what;
        EXPECT_EQ(FileBytes(path), old) << c.what;
        EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"names.vrd"}) << c.what;
    }
}

TEST(FlagNameFile, WhatTheReaderKeepsIsSavedSoThatItReadsBackTheSame) {
    // Every name at its box's length, bare and full of quotes, which the writer doubles.
    std::string full = ">VRD\r\n";
    for (int i = 0; i < 300; ++i) {
        full += std::to_string(i) + ",-1,a" + std::string(29, '"') + "\r\n";
        for (int j = 0; j < 10; ++j)
            full +=
                std::to_string(i) + "," + std::to_string(j) + ",b" + std::string(49, '"') + "\r\n";
    }
    struct Case {
        const char* what;
        std::string file;
        int flag;             // a flag whose name is checked
        const char* expected; // its name once read
    };
    const Case cases[] = {
        {"every name full of quotes", full, 299, nullptr},
        {"a name past what the names can keep ends the reading",
         full + "7,-1,\"" + std::string(31, 'x') + "\"\r\n300,-1,x\r\n", 7, nullptr},
        {"a line without an end past any name's length",
         ">VRD\r\n0,-1,kept\r\n1,-1," + std::string(24 << 20, 'x'), 1, ""},
        {"a carriage return inside a name", ">VRD\r\n0,-1,a\rb\r\n0,0,\"c\rd\"\r\n", 0, "a b"},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        PutFileText(dir.File("f.vrd"), c.file);
        Scenario read;
        LoadScenData(read, dir.File("f.vrd"));
        const std::string expected = c.expected ? c.expected : "a" + std::string(29, '"');
        EXPECT_EQ(read.StuffDoneNames[static_cast<std::size_t>(c.flag)].Name, expected) << c.what;
        EXPECT_NE(read.StuffDoneNames[0], StuffDoneDescription{}) << c.what;

        SaveScenData(read, dir.File("f.vrd"));
        Scenario again;
        LoadScenData(again, dir.File("f.vrd"));
        EXPECT_EQ(again.StuffDoneNames, read.StuffDoneNames) << c.what;
    }
}
