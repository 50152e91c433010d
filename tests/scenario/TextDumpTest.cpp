#include "scenario/TextDump.h"

#include "platform/core/TextFile.h"
#include "support/SampleScenario.h"
#include "support/ShownBoxes.h"
#include "support/TempFolder.h"
#include "support/WriteFaultScope.h"

#include <gtest/gtest.h>

namespace {
// `count` lines from line `from`, or from the first line that equals `first`, joined by '|'.
std::string Lines(const std::vector<std::string>& lines, std::size_t from, std::size_t count,
                  const std::string& first = "") {
    if (!first.empty()) from = std::find(lines.begin(), lines.end(), first) - lines.begin();
    std::string joined;
    for (std::size_t i = from; i < from + count && i < lines.size(); ++i)
        joined += lines[i] + "|";
    return joined;
}

Scenario SmallScenario() {
    Scenario s = MakeMinimalScenario();
    s.ScenStrings[0] = "Lantern Hill";
    s.ScenStrings[3] = "m\xE9lanie@example.org";
    s.OutdoorSections.At(0, 0).Strings[0] = "Moor";
    s.OutdoorSections.At(0, 0).Strings[100] = "Keep out";
    Town& town = s.Towns[0];
    town.Strings[0] = "Hollow";
    town.Strings[170] = "Inn";
    TownTalk& talk = s.TownTalks[0];
    talk.Personalities[1] = Personality{"Odo", "A miller.", "\"Odo.\"", "\"I grind.\"", "Eh?"};
    talk.Nodes[2] = TalkingNode{1, 3, "grai", "mi", {0, 0, 0, 0}, "Wheat.", ""};
    return s;
}
} // namespace

TEST(TextDump, HeadersLineFormsAndOrderForASmallScenario) {
    const Scenario s = SmallScenario();
    const std::string contents = ScenTextDumpContents(s);
    const auto lines = SplitTextLines(contents);
    ASSERT_EQ(lines.size(), 1136u);
    // Every line ends with CR LF, and nothing else breaks a line.
    EXPECT_EQ(std::pair(std::count(contents.begin(), contents.end(), '\n'),
                        std::count(contents.begin(), contents.end(), '\r')),
              std::pair(1136L, 1136L));
    EXPECT_EQ(contents.substr(contents.size() - 2), "\r\n");

    EXPECT_EQ(Lines(lines, 0, 8), "Scenario text for Lantern Hill||Scenario Text:||   Message 0: "
                                  "Lantern Hill|   Message 1: |   Message 2: |   Message 3: "
                                  "m\xE9lanie@example.org|");
    EXPECT_EQ(Lines(lines, 323, 8),
              "   Message 319: ||Outdoor Sections Text:||  Section X = 0, Y = 0||   "
              "Message 0: Moor|   Message 1: |");
    EXPECT_EQ(lines[429], "   Message 100: Keep out");
    EXPECT_EQ(Lines(lines, 436, 9), "   Message 107: ||Town Text:|||  Town = 0: Hollow||  Town "
                                    "Messages:|  Message 0: Hollow|");
    EXPECT_EQ(lines[614], "  Message 170: Inn");
    EXPECT_EQ(Lines(lines, 633, 4),
              "  Message 189: ||  TownDialogue:|  Personality 0 name: Unused|");
    EXPECT_EQ(Lines(lines, 0, 5, "  Personality 1 name: Odo"),
              "  Personality 1 name: Odo|  Personality 1 confused: Eh?|  Personality 1 look    : A "
              "miller.|  Personality 1 ask name: \"Odo.\"|  Personality 1 ask job : \"I grind.\"|");
    // A short keyword keeps the filler that completes it to four characters.
    EXPECT_EQ(Lines(lines, 0, 5, "  Node 2 person  : 1"),
              "  Node 2 person  : 1|  Node 2 keywords: grai mi  |  Node 2 type    : 3|  Node 2 "
              "text0   : Wheat.|  Node 2 text1   : |");
    EXPECT_EQ(Lines(lines, 686, 2), "  Node 0 person  : -1|  Node 0 keywords: xxxx xxxx|");
    EXPECT_EQ(lines.back(), "  Node 89 text1   : ");
}

// Sections run x outer, and personalities number on across towns.
TEST(TextDump, SectionsRunXOuterAndPersonalitiesNumberOnAcrossTowns) {
    Scenario s = MakeVariedScenario(2, 2, 3, 8);
    const auto lines = SplitTextLines(ScenTextDumpContents(s));
    std::string heads;
    for (const std::string& line : lines)
        if (line.rfind("  Section X = ", 0) == 0) heads += line.substr(14) + "|";
    EXPECT_EQ(heads, "0, Y = 0|0, Y = 1|1, Y = 0|1, Y = 1|");
    for (int p : {0, 9})
        EXPECT_EQ(std::count(lines.begin(), lines.end(),
                             "  Personality " + std::to_string(20 + p) +
                                 " name: " + s.TownTalks[2].Personalities[p].Name),
                  1);
}

TEST(TextDump, WritesBesideTheScenarioAndAFailureKeepsTheScenarioAndWhatWasWritten) {
    TempFolder folder;
    Scen = SmallScenario();
    // The file's name loses the last three characters of the scenario's, whatever they are.
    EXPECT_EQ(TextDumpPath("/app/scenario/Hill.vrs"), "/app/scenario/Hill.txt");
    EXPECT_EQ(TextDumpPath("/app/scenario"), "/app/scenatxt");
    ScenFile.ScenFilePath = folder.File("Hill.vrs");
    PutFileText(folder.File("Hill.txt"), std::string(200000, 'x'));
    MsgBoxRecorder boxes;
    ScenTextDump();
    const std::string whole = ScenTextDumpContents(Scen);
    EXPECT_EQ(FileText(folder.File("Hill.txt")), whole); // overwriting an earlier dump
    const Scenario before = Scen;
    ScenFile.ScenFilePath = folder.File("missing/Hill.vrs");
    ScenTextDump();

    // A town that the count promises but the scenario lacks: everything up to the blank line
    // that opens the missing town is written.
    ScenFile.ScenFilePath = folder.File("Hill.vrs");
    Scen.TownCount = 2;
    ScenTextDump();
    Scen.TownCount = 1;
    EXPECT_TRUE(Scen == before);
    EXPECT_EQ(FileText(folder.File("Hill.txt")), whole + "\r\n");
    // Section (1, 0) follows section (0, 0): its header lines are written before it is missed.
    Scen.OutdoorWidth = 2;
    ScenTextDump();
    const std::string firstSection = whole.substr(0, whole.find("\r\nTown Text:"));
    EXPECT_EQ(FileText(folder.File("Hill.txt")),
              firstSection + "\r\n  Section X = 1, Y = 0\r\n\r\n");
    const std::string box = "Error|16|ScenTextDumpError encountered!\r\nErr# ";
    EXPECT_EQ(Shown(boxes), (Boxes{box + "76, Path not found", box + "9, Subscript out of range",
                                   box + "9, Subscript out of range"}));

    // A failing disk is reported and leaves the earlier dump whole.
    const std::string io = "57, Device I/O error";
    // clang-format off
    const std::pair<WriteFaults, std::string> cases[] = {
        {{.bytesBeforeDiskFull = 5000}, "61, Disk full"}, {{.syncError = EIO}, io},
        {{.createError = EACCES}, "70, Permission denied"}, {{.renameError = EIO}, io}};
    // clang-format on
    PutFileText(folder.File("Hill.txt"), "an earlier dump");
    Scen.OutdoorWidth = 1;
    for (const auto& [faults, error] : cases) {
        MsgBoxRecorder local;
        {
            WriteFaultScope fault(faults);
            ScenTextDump();
        }
        EXPECT_EQ(Shown(local), Boxes{box + error});
        EXPECT_EQ(FileText(folder.File("Hill.txt")), "an earlier dump") << error;
        EXPECT_EQ(FolderEntries(folder.Path()), Boxes{"Hill.txt"}) << error;
    }
}
