#include "dialogs/areas/TownDetailsCopy.h"

namespace {
constexpr std::uint8_t kUnsetExit = 255;
}

TownDetailsCopy LoadTownDetailsCopy(const Town& town) {
    TownDetailsCopy work;
    work.Name = town.Strings[0];
    work.Size = town.Size;
    work.Hidden = town.Hidden;
    work.DayDies = town.DayDies;
    work.EventStop = town.EventStop;
    work.Lighting = town.Lighting;
    work.MaxMonsters = town.MaxMonsters;
    work.Difficulty = town.Difficulty;
    work.ExitSpecials = town.ExitSpecials;
    for (std::size_t d = 0; d < 4; ++d) {
        const Location& loc = town.ExitLocs[d];
        work.ExitLocs[2 * d] = loc.X == kUnsetExit ? -1 : loc.X;
        work.ExitLocs[2 * d + 1] = loc.Y == kUnsetExit ? -1 : loc.Y;
    }
    work.EntrySpecials = town.EntrySpecials;
    work.SectionX = town.SectionX;
    work.SectionY = town.SectionY;
    work.EntranceX = town.EntranceX;
    work.EntranceY = town.EntranceY;
    return work;
}

void SaveTownDetailsCopy(const TownDetailsCopy& work, Town& town) {
    const auto exitByte = [](std::int16_t value) {
        return value == -1 ? kUnsetExit : static_cast<std::uint8_t>(value);
    };
    town.Strings[0] = work.Name;
    town.Hidden = work.Hidden;
    town.DayDies = work.DayDies;
    town.EventStop = work.EventStop;
    town.Lighting = work.Lighting;
    town.MaxMonsters = work.MaxMonsters;
    town.Difficulty = work.Difficulty;
    town.ExitSpecials = work.ExitSpecials;
    for (std::size_t d = 0; d < 4; ++d) {
        town.ExitLocs[d].X = exitByte(work.ExitLocs[2 * d]);
        town.ExitLocs[d].Y = exitByte(work.ExitLocs[2 * d + 1]);
    }
    town.EntrySpecials = work.EntrySpecials;
}

std::string TownSizeText(std::uint8_t size) {
    switch (size) {
    case 0:
        return "64x64";
    case 1:
        return "48x48";
    case 2:
        return "32x32";
    default:
        return "";
    }
}
