#include "scenario/ScenarioLoad.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/ByteSource.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/FreedMemory.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/FlagNameFile.h"
#include "scenario/GameLayout.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioSave.h"

#include <cstring>
#include <memory>

namespace {
CustomSheetLoader& InstalledSheetLoader() {
    static CustomSheetLoader loader;
    return loader;
}

constexpr std::uint8_t kBigEndianSignature[4] = {0x0A, 0x14, 0x1E, 0x28};
constexpr std::uint8_t kLittleEndianSignature[4] = {0x14, 0x28, 0x3C, 0x50};

std::uint8_t RaisedBy2(std::uint8_t monster) {
    if (monster > 253) RaiseError(err::Overflow);
    return static_cast<std::uint8_t>(monster + 2);
}

// Moves monster types 5..last up by two places, the last first, and gives types 5 and 6, whose
// records stay where they were, the pictures of the game's numbering.
void ShiftMonsterTypes(Scenario& scen, int last) {
    for (int i = last; i >= 5; --i)
        scen.MonsterTypes[static_cast<std::size_t>(i + 2)] =
            scen.MonsterTypes[static_cast<std::size_t>(i)];
    scen.MonsterTypes[5].Picture = 4;
    scen.MonsterTypes[5].TalkPicture = 9;
    scen.MonsterTypes[6].Picture = 5;
}

// A stored current town or section that does not exist would be edited on the next command.
void KeepCurrentAreaInsideTheWorld(Scenario& scen) {
    if (scen.CurrentTown >= scen.TownCount) scen.CurrentTown = 0;
    if (scen.CurrentOutdoorX >= scen.OutdoorWidth || scen.CurrentOutdoorY >= scen.OutdoorHeight) {
        scen.CurrentOutdoorX = 0;
        scen.CurrentOutdoorY = 0;
    }
}
} // namespace

CustomSheetLoader SetCustomSheetLoader(CustomSheetLoader loader) {
    CustomSheetLoader previous = std::move(InstalledSheetLoader());
    InstalledSheetLoader() = std::move(loader);
    return previous;
}

std::int16_t ScenFormatOfSignature(std::span<const std::uint8_t> file) {
    if (file.size() < 4) return -1;
    if (std::memcmp(file.data(), kBigEndianSignature, 4) == 0) return 1;
    if (std::memcmp(file.data(), kLittleEndianSignature, 4) == 0) return 0;
    if (std::memcmp(file.data(), own_layout::kSignature, 4) == 0) return 2;
    return -1;
}

namespace {
// onlyTown -1 links every town.
void LinkTowns(Scenario& scen, int onlyTown) {
    for (int y = 0; y < scen.OutdoorHeight; ++y)
        for (int x = 0; x < scen.OutdoorWidth; ++x)
            for (const TownEntrance& e : scen.OutdoorSections.At(x, y).TownEntrances) {
                if (e.X >= 100 || e.Town < 0 || e.Town >= scen.TownCount) continue;
                if (onlyTown >= 0 && e.Town != onlyTown) continue;
                Town& town = scen.Towns[static_cast<std::size_t>(e.Town)];
                town.SectionX = static_cast<std::uint8_t>(x);
                town.SectionY = static_cast<std::uint8_t>(y);
                town.EntranceX = e.X;
                town.EntranceY = e.Y;
            }
}
} // namespace

void LinkTownsToSections(Scenario& scen) {
    LinkTowns(scen, -1);
}

void LinkTownToSections(Scenario& scen, int town) {
    LinkTowns(scen, town);
}

void RenumberGameScenarioMonsters(Scenario& scen, const std::string& fileName) {
    if (fileName == "Fenmarrow.vrs") {
        ShiftMonsterTypes(scen, 253);
        for (TownCreature& c : scen.Towns.at(0).Creatures)
            if (c.Monster > 4) c.Monster = RaisedBy2(c.Monster);
    }
    if (fileName == "Varno.vrs") {
        ShiftMonsterTypes(scen, 208);
        for (Town& town : scen.Towns)
            for (TownCreature& c : town.Creatures) {
                if (c.Monster == 209)
                    c.Monster = 6;
                else if (c.Monster == 210)
                    c.Monster = 5;
                else if (c.Monster >= 5 && c.Monster <= 208)
                    c.Monster = RaisedBy2(c.Monster);
            }
    }
}

void ReadScenarioFile(Scenario& scen, std::span<const std::uint8_t> file, std::int16_t format,
                      const std::string& fileName) {
    GameTownTables unused;
    ReadScenarioFile(scen, file, format, fileName, unused);
}

void ReadScenarioFile(Scenario& scen, std::span<const std::uint8_t> file, std::int16_t format,
                      const std::string& fileName, GameTownTables& gameTowns) {
    ByteSource source(file);
    ReadScenarioFile(scen, source, format, fileName, gameTowns);
}

void ReadScenarioFile(Scenario& scen, ByteSource& file, std::int16_t format,
                      const std::string& fileName, GameTownTables& gameTowns) {
    if (format == 2)
        ReadScenarioImageV2(scen, file);
    else
        ReadScenarioImageV1(scen, file, format, gameTowns);
    LinkTownsToSections(scen);
    if (format == 0) RenumberGameScenarioMonsters(scen, fileName);
    KeepCurrentAreaInsideTheWorld(scen);
}

void LoadScenario(const std::string& fileName, const std::string& filePath) {
    // The scenario is big; it is built on the heap and moved into place only when complete.
    auto fresh = std::make_unique<Scenario>();
    std::int16_t format = -1;
    bool rejected = false;
    // A file of the editor's own layout leaves the game tables as the last game file set them.
    GameTownTables gameTowns = GameTowns;
    const bool read = RunTrapped("LoadScenario", [&] {
        // A later save writes under this name into the scenario folder.
        if (!IsPlainFileName(fileName)) RaiseError(err::BadFileName);
        ByteSource file(filePath);
        format = ScenFormatOfSignature(file.Ahead(4).Bytes());
        if (format < 0) {
            MsgBox("LoadScenarioError encountered!\r\nNot a valid Scenario file.", msgbox::Critical,
                   "Error");
            rejected = true;
            return;
        }
        ReadScenarioFile(*fresh, file, format, fileName, gameTowns);
        LoadScenData(*fresh, FindFileIgnoringCase(SiblingPath(filePath, "vrd")));
    });
    if (!read || rejected) {
        ScenFile.FileDialogCancelled = -1;
        fresh.reset();
        ReturnFreedMemoryToSystem();
        return;
    }
    Scen = std::move(*fresh);
    // What is left in fresh is the scenario that was open before.
    fresh.reset();
    ReturnFreedMemoryToSystem();
    GameTowns = gameTowns;
    ScenFile.ScenFileName = fileName;
    ScenFile.ScenFilePath = filePath;
    ScenFile.ScenFormat = format;
    if (InstalledSheetLoader())
        InstalledSheetLoader()(FindFileIgnoringCase(SiblingPath(filePath, "bmp")));
}
