#include "map/TerrainPalette.h"

#include "graphics/core/PictureNumbering.h"
#include "scenario/Scenario.h"

namespace {
constexpr std::uint8_t kSignProperty = 11;
constexpr std::uint8_t kTownEntranceProperty = 21;
constexpr std::int16_t kLockIcon = 26;

// The three lock icons, by how hard the lock is.
std::int16_t LockIcon(std::int16_t extra2) {
    if (extra2 < 5) return 26;
    if (extra2 < 10) return 27;
    return 25;
}

std::int16_t PropertyIcon(std::uint8_t property) {
    if (property >= TerDispIcon.size()) return -1;
    return TerDispIcon[property];
}
} // namespace

std::optional<std::uint8_t> PaletteTerrainAt(int x, int y) {
    const int column = FloorDiv(x, kPalettePitch);
    const int row = FloorDiv(y, kPalettePitch);
    if (column < 0 || column >= kPaletteColumns || row < 0 || row >= kPaletteColumns)
        return std::nullopt;
    return static_cast<std::uint8_t>(column + row * kPaletteColumns);
}

PixelPoint PaletteTerrainPlace(int terrain) {
    return {(terrain % kPaletteColumns) * kPalettePitch + 1,
            (terrain / kPaletteColumns) * kPalettePitch + 1};
}

std::int16_t PaletteIconOf(const TerrainType& terrain) {
    const std::int16_t icon = PropertyIcon(terrain.SpecialProperty);
    return icon == kLockIcon ? LockIcon(terrain.Extra2) : icon;
}

std::int16_t MapIconOf(const TerrainType& terrain) {
    switch (terrain.SpecialProperty) {
    case 9:
    case 10:
        return LockIcon(terrain.Extra2);
    case 25:
    case 26:
        return -1;
    default:
        return PropertyIcon(terrain.SpecialProperty);
    }
}

std::string PaletteToolTip(int terrain) {
    const std::string& name = Scen.TerrainTypes.at(static_cast<std::size_t>(terrain)).Name;
    const std::size_t first = name.find_first_not_of(' ');
    const std::string trimmed = first == std::string::npos
                                    ? std::string()
                                    : name.substr(first, name.find_last_not_of(' ') - first + 1);
    return std::to_string(terrain) + ": " + trimmed;
}

bool ChoosePaletteTerrain(std::uint8_t terrain, int currentTool) {
    Map.SelectedTerrain = terrain;
    Map.PaintTerrain = terrain;
    if (terrain <= 1) Map.EraseTerrain = 0;
    if (terrain >= 2 && terrain <= 4) Map.EraseTerrain = 2;
    if (currentTool == 0) return false;
    if (currentTool >= 1 && currentTool <= 4) {
        // Signs and town entrances are put down one at a time, with Draw Terrain.
        const std::uint8_t property = Scen.TerrainTypes[terrain].SpecialProperty;
        return property == kSignProperty || property == kTownEntranceProperty;
    }
    return true;
}
