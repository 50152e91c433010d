#include "scenario/TextDump.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/TextCodec.h"
#include "platform/core/TextFile.h"
#include "scenario/ScenarioSave.h"

#include <span>

namespace {
std::string Num(int n) {
    return std::to_string(n);
}

void DumpSection(TextFileBuilder& out, const Scenario& scen, int x, int y) {
    out.WriteLine("");
    out.WriteLine("  Section X = " + Num(x) + ", Y = " + Num(y));
    out.WriteLine("");
    const OutdoorSection& section = scen.OutdoorSections.At(x, y);
    for (std::size_t m = 0; m < section.Strings.size(); ++m)
        out.WriteLine("   Message " + Num(static_cast<int>(m)) + ": " + section.Strings[m]);
}

void DumpTown(TextFileBuilder& out, const Scenario& scen, int t) {
    out.WriteLine("");
    const auto index = static_cast<std::size_t>(t);
    if (index >= scen.Towns.size()) RaiseError(err::SubscriptOutOfRange);
    const Town& town = scen.Towns[index];
    out.WriteLine("  Town = " + Num(t) + ": " + town.Strings[0]);
    out.WriteLine("");
    out.WriteLine("  Town Messages:");
    for (std::size_t m = 0; m < town.Strings.size(); ++m)
        out.WriteLine("  Message " + Num(static_cast<int>(m)) + ": " + town.Strings[m]);
    out.WriteLine("");
    out.WriteLine("  TownDialogue:");
    if (index >= scen.TownTalks.size()) RaiseError(err::SubscriptOutOfRange);
    const TownTalk& talk = scen.TownTalks[index];
    for (std::size_t p = 0; p < talk.Personalities.size(); ++p) {
        // Personalities are numbered across the whole scenario, ten to a town.
        const std::string head = "  Personality " + Num(t * 10 + static_cast<int>(p));
        const Personality& person = talk.Personalities[p];
        out.WriteLine(head + " name: " + person.Name);
        out.WriteLine(head + " confused: " + person.HuhResponse);
        out.WriteLine(head + " look    : " + person.LookResponse);
        out.WriteLine(head + " ask name: " + person.NameResponse);
        out.WriteLine(head + " ask job : " + person.JobResponse);
    }
    for (std::size_t k = 0; k < talk.Nodes.size(); ++k) {
        const std::string head = "  Node " + Num(static_cast<int>(k));
        const TalkingNode& node = talk.Nodes[k];
        out.WriteLine(head + " person  : " + Num(node.PersonalityNum));
        out.WriteLine(head + " keywords: " + FixedLengthText(node.Word1, 4) + " " +
                      FixedLengthText(node.Word2, 4));
        out.WriteLine(head + " type    : " + Num(node.NodeType));
        out.WriteLine(head + " text0   : " + node.Text1);
        out.WriteLine(head + " text1   : " + node.Text2);
    }
}

// A missing town or section ends the dump where it is met.
void WriteDump(TextFileBuilder& out, const Scenario& scen) {
    out.WriteLine("Scenario text for " + scen.ScenStrings[0]);
    out.WriteLine("");
    out.WriteLine("Scenario Text:");
    out.WriteLine("");
    for (std::size_t i = 0; i < scen.ScenStrings.size(); ++i)
        out.WriteLine("   Message " + Num(static_cast<int>(i)) + ": " + scen.ScenStrings[i]);

    out.WriteLine("");
    out.WriteLine("Outdoor Sections Text:");
    for (int x = 0; x < scen.OutdoorWidth; ++x)
        for (int y = 0; y < scen.OutdoorHeight; ++y)
            DumpSection(out, scen, x, y);

    out.WriteLine("");
    out.WriteLine("Town Text:");
    out.WriteLine("");
    for (int t = 0; t < scen.TownCount; ++t)
        DumpTown(out, scen, t);
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}
} // namespace

std::string ScenTextDumpContents(const Scenario& scen) {
    TextFileBuilder out;
    WriteDump(out, scen);
    return out.Contents();
}

std::string TextDumpPath(const std::string& scenarioPath) {
    return SiblingPath(scenarioPath, "txt");
}

void ScenTextDump() {
    RunTrapped("ScenTextDump", [] {
        if (ScenFile.ScenFilePath.size() < 3) RaiseError(err::InvalidCall);
        const std::string path = TextDumpPath(ScenFile.ScenFilePath);
        TextFileBuilder out;
        try {
            WriteDump(out, Scen);
        } catch (...) {
            // The dump file was opened before its first line: what was written before the
            // failure stays, and an earlier dump is gone.
            ReplaceFileWithBytes(path, Bytes(out.Contents()));
            throw;
        }
        // A disk that fails while the dump is written leaves an earlier dump whole.
        ReplaceFileWithBytes(path, Bytes(out.Contents()));
    });
}
