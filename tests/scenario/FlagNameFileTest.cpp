#include "scenario/FlagNameFile.h"

#include "support/TempFolder.h"

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

// What a load keeps of a file: names before the first line it cannot read, nothing without the
// marker line or the file, and whatever the earlier scenario's names were, they are gone. What
// it keeps is saved so that it reads back the same.
TEST(FlagNameFile, ReadingKeepsTheNamesOfTheWellFormedLinesBeforeAnyOtherAndSavesThemBack) {
    using Names = std::vector<std::tuple<int, int, std::string>>; // flag, value (-1: its name)
    const std::string kept = ">VRD\r\n0,-1,\"kept\"\r\n";
    // Every name at its box's length, bare and full of quotes, which the writer doubles.
    std::string full = ">VRD\r\n";
    for (int i = 0; i < 300; ++i) {
        full += std::to_string(i) + ",-1,a" + std::string(29, '"') + "\r\n";
        for (int j = 0; j < 10; ++j)
            full +=
                std::to_string(i) + "," + std::to_string(j) + ",b" + std::string(49, '"') + "\r\n";
    }
    const std::string quoted = "a" + std::string(29, '"');
    std::vector<std::pair<std::optional<std::string>, Names>> rows = {
        // clang-format off
        {std::nullopt, {{3, -1, ""}, {3, 2, ""}}}, {">VRD \r\n1,-1,\"x\"\r\n", {{1, -1, ""}}},
        {">vrd\r\n1,-1,\"x\"\r\n", {{1, -1, ""}}}, {"", {{1, -1, ""}}},
        // clang-format on
        {">VRD\n2,-1,\"Plain\"\n2,0,\"Zero\"\n2, 1 ,Bare words\n",
         {{2, -1, "Plain"}, {2, 0, "Zero"}, {2, 1, "Bare words"}}},
        {">VRD\r\n" + std::string(20 << 20, '\n') + "0,-1,\"Gate\"\r\n", {{0, -1, "Gate"}}},
        {full, {{299, -1, quoted}, {299, 9, "b" + std::string(49, '"')}}},
        // A name past what the names can keep ends the reading.
        {full + "7,-1,\"" + std::string(31, 'x') + "\"\r\n300,-1,x\r\n", {{7, -1, quoted}}},
        // A line without an end past any name's length.
        {">VRD\r\n0,-1,kept\r\n1,-1," + std::string(24 << 20, 'x'), {{0, -1, "kept"}, {1, -1, ""}}},
        {">VRD\r\n0,-1,a\rb\r\n0,0,\"c\rd\"\r\n", {{0, -1, "a b"}}}, // a carriage return in a name
        {">VRD\r\n7,9,\"Say \"\"hi\"\", friend\"\r\n150,-1,\"\xC9t\xE9\"\r\n",
         {{7, 9, "Say \"hi\", friend"}, {150, -1, "\xC9t\xE9"}}}};
    // A line that cannot be read ends the reading.
    for (const char* bad : {"300,-1,\"out of range\"", "1,10,\"value 10\"", "1,-2,\"x\"",
                            "one,-1,\"x\"", "1,-1,\"unclosed", "1;-1;\"x\""})
        rows.push_back({kept + bad + "\r\n5,-1,\"after\"\r\n", {{0, -1, "kept"}, {5, -1, ""}}});
    TempFolder dir;
    for (const auto& [contents, names] : rows) {
        SCOPED_TRACE(contents ? contents->substr(0, 40) : "no file");
        if (contents) PutFileText(dir.File("f.vrd"), *contents);
        Scenario s, again;
        s.StuffDoneNames[3].Name = "old";
        s.StuffDoneNames[3].ValueNames[2] = "old value";
        LoadScenData(s, dir.File(contents ? "f.vrd" : "none.vrd"));
        for (const auto& [flag, value, name] : names) {
            const StuffDoneDescription& d = s.StuffDoneNames[static_cast<std::size_t>(flag)];
            EXPECT_EQ(value < 0 ? d.Name : d.ValueNames[static_cast<std::size_t>(value)], name)
                << flag << "," << value;
        }
        SaveScenData(s, dir.File("again.vrd"));
        LoadScenData(again, dir.File("again.vrd"));
        EXPECT_EQ(again.StuffDoneNames, s.StuffDoneNames);
    }
}
