#include "scenario/NewScenario.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/FreedMemory.h"
#include "platform/core/MsgBox.h"
#include "platform/core/ProgramPaths.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kLargestOutdoorSide = 50;
constexpr int kSectionEdge = kOutdoorSide - 1;

// The wall-piece shapes that the edges and inner corners of the world take.
constexpr int kShapeNorthEdge = 1;
constexpr int kShapeWestEdge = 3;
constexpr int kShapeSouthEdge = 5;
constexpr int kShapeEastEdge = 7;
constexpr int kShapeNorthEastCorner = 9;
constexpr int kShapeSouthEastCorner = 10;
constexpr int kShapeSouthWestCorner = 11;
constexpr int kShapeNorthWestCorner = 12;

std::uint8_t WallPiece(int kind, int shape) {
    return WallTerrains[static_cast<std::size_t>(kind)][static_cast<std::size_t>(shape)];
}

// Sets the cell to the piece unless an earlier edge has already put a wall there.
void PutPieceOnFloor(TerrainGrid& terrain, int x, int y, std::uint8_t floor, std::uint8_t piece) {
    if (terrain.At(x, y) == floor) terrain.At(x, y) = piece;
}

bool HoldsSignature(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= sizeof own_layout::kSignature &&
           std::memcmp(bytes.data(), own_layout::kSignature, sizeof own_layout::kSignature) == 0;
}

void ShowNotAScenarioBox() {
    MsgBox("CreateScenarioError encountered!\r\nNot a valid Scenario file.", msgbox::Critical,
           "Error");
}
} // namespace

std::string NewScenarioFileNameProblem(std::string_view fileName) {
    if (fileName.empty()) return "Please give the new scenario a file name.";
    if (!IsPlainFileName(fileName) || fileName.find("..") != std::string_view::npos)
        return "The file name must name a file in the scenario folder: it may not contain "
               "\"/\", \"\\\" or \"..\".";
    const bool control = std::any_of(fileName.begin(), fileName.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 32 || byte == 127;
    });
    if (control) return "The file name may not contain control characters.";
    return "";
}

std::string BaseScenarioPath() {
    return ProgramPath("\\scenario\\fenmarrow\\fenmarrow.vrs");
}

void InitOutdoorSection(Scenario& scen, std::int16_t x, std::int16_t y, std::int16_t kind) {
    if (kind < 0 || kind > 1) RaiseError(err::SubscriptOutOfRange);
    ClearOutdoorSection(scen, x, y);
    OutdoorSection& section = scen.OutdoorSections.At(x, y);
    TerrainGrid& terrain = section.Terrain;

    const std::uint8_t floor = kind == 0 ? 0 : 2;
    const std::uint8_t wall = kind == 0 ? 5 : 22;
    std::fill(terrain.Cells().begin(), terrain.Cells().end(), floor);

    const bool west = x == 0;
    const bool north = y == 0;
    const bool east = x == scen.OutdoorSections.Width() - 1;
    const bool south = y == scen.OutdoorSections.Height() - 1;
    // The order of the edges matters: a later edge keeps the pieces an earlier one placed.
    if (west)
        for (int r = 0; r < kOutdoorSide; ++r) {
            terrain.At(0, r) = terrain.At(1, r) = terrain.At(2, r) = wall;
            terrain.At(3, r) = WallPiece(kind, kShapeWestEdge);
        }
    if (north)
        for (int c = 0; c < kOutdoorSide; ++c) {
            terrain.At(c, 0) = terrain.At(c, 1) = terrain.At(c, 2) = wall;
            PutPieceOnFloor(terrain, c, 3, floor, WallPiece(kind, kShapeNorthEdge));
        }
    if (east)
        for (int r = 0; r < kOutdoorSide; ++r) {
            terrain.At(kSectionEdge - 2, r) = terrain.At(kSectionEdge - 1, r) =
                terrain.At(kSectionEdge, r) = wall;
            PutPieceOnFloor(terrain, kSectionEdge - 3, r, floor, WallPiece(kind, kShapeEastEdge));
        }
    if (south)
        for (int c = 0; c < kOutdoorSide; ++c) {
            terrain.At(c, kSectionEdge - 2) = terrain.At(c, kSectionEdge - 1) =
                terrain.At(c, kSectionEdge) = wall;
            PutPieceOnFloor(terrain, c, kSectionEdge - 3, floor, WallPiece(kind, kShapeSouthEdge));
        }
    constexpr int inner = 3;
    constexpr int farInner = kSectionEdge - 3;
    if (west && north) terrain.At(inner, inner) = WallPiece(kind, kShapeNorthWestCorner);
    if (west && south) terrain.At(inner, farInner) = WallPiece(kind, kShapeSouthWestCorner);
    if (east && north) terrain.At(farInner, inner) = WallPiece(kind, kShapeNorthEastCorner);
    if (east && south) terrain.At(farInner, farInner) = WallPiece(kind, kShapeSouthEastCorner);

    OutdoorEncounter none;
    none.StartNode = none.WinNode = none.FleeNode = -1;
    none.StuffDoneA = none.StuffDoneB = -1;
    section.Wandering.fill(none);
    section.Specials.fill(none);
    section.WanderingLocs = {Location{8, 8}, Location{8, 32}, Location{32, 32}, Location{8, 32}};

    section.Strings[0] = "Area name";
    for (int i = 1; i <= 8; ++i)
        section.Strings[static_cast<std::size_t>(i)] = "Rectangle " + std::to_string(i);
    section.Strings[9] = "Comment";
    section.Strings[10] = "*Begin special strs";
    for (int i = 11; i <= 99; ++i)
        section.Strings[static_cast<std::size_t>(i)] = "*";
}

int CreateTown(Scenario& scen, std::int16_t townIndex, const std::string& name, std::int16_t size,
               std::int16_t terrainKind) {
    if (townIndex < 0 || terrainKind < 0 || terrainKind > 2) RaiseError(err::SubscriptOutOfRange);
    const int side = TownSide(size); // refuses a size other than 0..2 before anything changes
    const auto count = static_cast<std::size_t>(townIndex) + 1;
    scen.Towns.resize(count);
    scen.TownTalks.resize(count);
    ClearTown(scen, townIndex);

    Town& town = scen.Towns[static_cast<std::size_t>(townIndex)];
    const int mapMax = side - 1;
    const auto last = static_cast<std::uint8_t>(mapMax);
    const auto half = static_cast<std::uint8_t>(side / 2);
    town.Size = static_cast<std::uint8_t>(size);
    town.Hidden = 0;
    town.Lighting = 0;
    town.Difficulty = 0;
    town.DayDies = -1;
    town.EventStop = -1;
    town.MaxMonsters = 30000;
    town.Boundary = {3, 3, static_cast<std::uint8_t>(last - 3),
                     static_cast<std::uint8_t>(last - 3)};
    town.EntryPoints = {Location{half, 4}, Location{static_cast<std::uint8_t>(last - 4), half},
                        Location{half, static_cast<std::uint8_t>(last - 4)}, Location{4, half}};
    town.ExitLocs.fill(Location{255, 255});
    town.ExitSpecials.fill(-1);
    town.EntrySpecials.fill(-1);
    town.TimerMoves.fill(0);
    town.TimerNodes.fill(-1);

    static constexpr std::uint8_t kFloorOfKind[3] = {0, 2, 4};
    town.Terrain = TerrainGrid(side);
    std::fill(town.Terrain.Cells().begin(), town.Terrain.Cells().end(), kFloorOfKind[terrainKind]);

    town.Strings[0] = name;
    for (int i = 1; i <= 16; ++i)
        town.Strings[static_cast<std::size_t>(i)] = "Rectangle " + std::to_string(i);
    for (int i = 17; i <= 19; ++i)
        town.Strings[static_cast<std::size_t>(i)] = "Comment " + std::to_string(i - 16);
    town.Strings[20] = "*Begin special strs";
    for (int i = 21; i <= 169; ++i)
        town.Strings[static_cast<std::size_t>(i)] = "*";
    return mapMax;
}

bool CreateScenario(const NewScenarioChoices& choices) {
    // Everything is built aside; the current scenario is replaced only when every step worked.
    Scenario fresh;
    ScenarioFileState file = ScenFile;
    bool notAScenario = false;
    const bool built = RunTrapped("CreateScenario", [&] {
        if (!NewScenarioFileNameProblem(choices.FileName).empty()) RaiseError(err::BadFileName);
        if (choices.OutdoorWidth < 1 || choices.OutdoorWidth > kLargestOutdoorSide ||
            choices.OutdoorHeight < 1 || choices.OutdoorHeight > kLargestOutdoorSide)
            RaiseError(err::Overflow);

        const std::vector<std::uint8_t> base = ReadFileBytes(BaseScenarioPath());
        if (!HoldsSignature(base)) {
            notAScenario = true;
            return;
        }
        const ByteReader reader(base);
        FilePos pos = 1;
        ReadScenHeaderV2(fresh, reader, pos);

        file.ScenFormat = 2;
        file.ScenFileName = choices.FileName + ".vrs";
        file.ScenFilePath = ScenarioFolderFile(file.ScenFileName);
        fresh.ScenStrings[0] = choices.ScenName;
        fresh.OutdoorWidth = static_cast<std::uint8_t>(choices.OutdoorWidth);
        fresh.OutdoorHeight = static_cast<std::uint8_t>(choices.OutdoorHeight);
        fresh.ListsLocked = 0;

        fresh.OutdoorSections = OutdoorGrid(choices.OutdoorWidth, choices.OutdoorHeight);
        const std::int16_t kind = choices.Grass ? 1 : 0;
        for (int y = 0; y < choices.OutdoorHeight; ++y)
            for (int x = 0; x < choices.OutdoorWidth; ++x)
                InitOutdoorSection(fresh, static_cast<std::int16_t>(x),
                                   static_cast<std::int16_t>(y), kind);
        fresh.CurrentOutdoorX = 0;
        fresh.CurrentOutdoorY = 0;
        fresh.TownCount = 1;
        fresh.Towns.clear();
        fresh.TownTalks.clear();
        CreateTown(fresh, 0, "Town name", choices.TownSize, kind);
        fresh.CurrentTown = 0;
        fresh.StuffDoneNames = Scen.StuffDoneNames;
    });
    if (notAScenario) ShowNotAScenarioBox();
    if (!built || notAScenario) return false;
    Scen = std::move(fresh);
    ScenFile = std::move(file);
    fresh = Scenario{}; // lets go of what the scenario that was open held
    ReturnFreedMemoryToSystem();
    return true;
}
