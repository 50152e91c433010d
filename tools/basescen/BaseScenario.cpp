#include "basescen/BaseScenario.h"

#include "basescen/BaseData.h"
#include "platform/core/TextCodec.h"
#include "scenario/NewScenario.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"

#include <stdexcept>

namespace {
// Reads the cells of one row as numbers checked against their fields' ranges.
class RowReader {
  public:
    RowReader(const DataRow& row, std::string_view table) : row_(row), table_(table) {}

    const std::string& Text(std::size_t i) const { return row_.at(i); }
    int Number(std::size_t i, int low, int high) const {
        const int v = DataNumber(row_.at(i), table_);
        if (v < low || v > high)
            throw std::runtime_error(std::string(table_) + ": " + row_.at(i) + " lies outside " +
                                     std::to_string(low) + ".." + std::to_string(high));
        return v;
    }
    std::uint8_t U8(std::size_t i) const { return static_cast<std::uint8_t>(Number(i, 0, 255)); }
    std::int16_t I16(std::size_t i) const {
        return static_cast<std::int16_t>(Number(i, -32768, 32767));
    }
    std::string Fixed(std::size_t i, std::size_t length) const {
        if (row_.at(i).size() > length)
            throw std::runtime_error(std::string(table_) + ": \"" + row_.at(i) +
                                     "\" is longer than " + std::to_string(length));
        return FixedLengthText(row_.at(i), length);
    }

  private:
    const DataRow& row_;
    std::string_view table_;
};

std::size_t Index(const RowReader& r, std::size_t count) {
    return static_cast<std::size_t>(r.Number(0, 0, static_cast<int>(count) - 1));
}

void ReadTerrain(Scenario& s) {
    for (std::size_t n = 0; n < s.TerrainTypes.size(); ++n) {
        s.TerrainTypes[n].Name = std::string(30, ' ');
        s.TerrainTypes[n].ShortcutKey = " ";
        s.TerrainTypes[n].TerrainSet = TerrainSetOf(static_cast<int>(n));
    }
    for (const DataRow& row : ParseDataTable(kBaseTerrainTable, 15, "terrain")) {
        const RowReader r(row, "terrain");
        TerrainType& t = s.TerrainTypes[Index(r, s.TerrainTypes.size())];
        t.Name = r.Fixed(1, 30);
        t.Picture = r.I16(2);
        t.Blockage = static_cast<std::uint8_t>(r.Number(3, 0, 5));
        t.TransformTo = r.U8(4);
        t.FlyOver = static_cast<std::uint8_t>(r.Number(5, 0, 1));
        t.BoatOver = static_cast<std::uint8_t>(r.Number(6, 0, 1));
        t.HorseBlocked = static_cast<std::uint8_t>(r.Number(7, 0, 1));
        t.Light = r.U8(8);
        t.Sound = static_cast<std::uint8_t>(r.Number(9, 0, 3));
        t.SpecialProperty = static_cast<std::uint8_t>(r.Number(10, 0, 27));
        t.Extra1 = r.I16(11);
        t.Extra2 = r.I16(12);
        t.ShortcutKey = r.Fixed(13, 1);
    }
}

// "2d6 1d4": up to three attacks.
void ReadAttacks(MonsterType& m, const std::string& cell) {
    std::size_t slot = 0;
    std::size_t pos = 0;
    while ((pos = cell.find_first_not_of(' ', pos)) != std::string::npos) {
        const auto end = cell.find(' ', pos);
        const std::string attack = cell.substr(pos, end - pos);
        const auto d = attack.find('d');
        if (slot >= 3 || d == std::string::npos)
            throw std::runtime_error("monsters: bad attacks \"" + cell + "\"");
        m.AttackDice[slot] = static_cast<std::uint8_t>(DataNumber(attack.substr(0, d), "monsters"));
        m.AttackSides[slot] =
            static_cast<std::uint8_t>(DataNumber(attack.substr(d + 1), "monsters"));
        ++slot;
        pos = end;
    }
}

void ReadMonsters(Scenario& s) {
    for (MonsterType& m : s.MonsterTypes)
        m.Name = std::string(20, ' ');
    for (const DataRow& row : ParseDataTable(kBaseMonsterTable, 19, "monsters")) {
        const RowReader r(row, "monsters");
        const std::size_t n = Index(r, s.MonsterTypes.size());
        if (n == 0) throw std::runtime_error("monsters: type 0 means no monster");
        MonsterType& m = s.MonsterTypes[n];
        m.Name = r.Fixed(1, 20);
        m.Picture = r.I16(2);
        m.Kind = static_cast<std::uint8_t>(r.Number(3, 0, 13));
        m.Level = r.U8(4);
        m.Health = r.I16(5);
        m.Armor = r.U8(6);
        m.Skill = r.U8(7);
        m.Speed = r.U8(8);
        m.MageLevel = r.U8(9);
        m.PriestLevel = r.U8(10);
        m.Attitude = static_cast<std::uint8_t>(r.Number(11, 0, 3));
        m.Treasure = r.U8(12);
        ReadAttacks(m, r.Text(13));
        m.Poison = r.U8(14);
        m.MagicRes = r.U8(15);
        m.FireRes = r.U8(16);
        m.ColdRes = r.U8(17);
        m.PoisonRes = r.U8(18);
        m.ItemDropped = -1;
    }
}

void ReadItems(Scenario& s) {
    for (ItemType& it : s.ItemTypes) {
        it.Name = std::string(25, ' ');
        it.UnidName = std::string(15, ' ');
    }
    for (const DataRow& row : ParseDataTable(kBaseItemTable, 16, "items")) {
        const RowReader r(row, "items");
        ItemType& it = s.ItemTypes[Index(r, s.ItemTypes.size())];
        it.Name = r.Fixed(1, 25);
        it.UnidName = r.Fixed(2, 15);
        it.Picture = r.I16(3);
        it.ItemKind = static_cast<std::int16_t>(r.Number(4, 0, 24));
        it.Value = r.I16(5);
        it.Weight = r.U8(6);
        it.Level = r.U8(7);
        it.Awkwardness = r.U8(8);
        it.Bonus = r.U8(9);
        it.Protection = r.U8(10);
        it.Charges = r.U8(11);
        it.WeaponType = r.U8(12);
        it.Ability = r.U8(13);
        it.AbilityStrength = r.U8(14);
        it.Magical = static_cast<std::uint8_t>(r.Number(15, 0, 1));
        it.Identified = it.Magical ? 0 : 1;
    }
}

void ReadSpecialItems(Scenario& s) {
    for (SpecialItem& item : s.SpecialItems)
        item = SpecialItem{-1, 0, 0};
    for (const DataRow& row : ParseDataTable(kBaseSpecialItemTable, 6, "special items")) {
        const RowReader r(row, "special items");
        const std::size_t i = Index(r, s.SpecialItems.size());
        s.SpecialItems[i] = SpecialItem{r.I16(1), static_cast<std::uint8_t>(r.Number(2, 0, 1)),
                                        static_cast<std::uint8_t>(r.Number(3, 0, 1))};
        s.ScenStrings[60 + 2 * i] = r.Text(4);
        s.ScenStrings[61 + 2 * i] = r.Text(5);
    }
}

void ReadStrings(Scenario& s) {
    for (const DataRow& row : ParseDataTable(kBaseStringTable, 3, "strings")) {
        const RowReader r(row, "strings");
        const int first = r.Number(0, 0, 319);
        const int last = r.Number(1, first, 319);
        for (int i = first; i <= last; ++i)
            s.ScenStrings[static_cast<std::size_t>(i)] = r.Text(2);
    }
    for (std::size_t i = 0; i < DialogButtonLabels.size(); ++i)
        s.ScenStrings[260 + i] = DialogButtonLabels[i];
}

// Every value of a row after its key, as numbers; exactly `count` of them.
std::vector<int> Values(const DataRow& row, std::size_t count) {
    if (row.size() != count + 1)
        throw std::runtime_error("scenario: \"" + row[0] + "\" takes " + std::to_string(count) +
                                 " values");
    std::vector<int> values;
    for (std::size_t i = 1; i < row.size(); ++i)
        values.push_back(DataNumber(row[i], "scenario"));
    return values;
}

std::uint8_t Byte(int v) {
    if (v < 0 || v > 255)
        throw std::runtime_error("scenario: " + std::to_string(v) + " is no byte");
    return static_cast<std::uint8_t>(v);
}

std::int16_t Short(int v) {
    return static_cast<std::int16_t>(v);
}

void ReadScenarioRecords(Scenario& s) {
    for (const DataRow& row : ParseDataTable(kBaseScenarioTable, 0, "scenario")) {
        const std::string& key = row[0];
        if (key == "version") {
            const auto v = Values(row, 3);
            s.ScenVersion = {Byte(v[0]), Byte(v[1]), Byte(v[2])};
        } else if (key == "rating") {
            s.ScenRating = Byte(Values(row, 1)[0]);
        } else if (key == "difficulty") {
            s.ScenDifficulty = Byte(Values(row, 1)[0]);
        } else if (key == "icon") {
            s.ScenIcon = Byte(Values(row, 1)[0]);
        } else if (key == "start town") {
            s.StartTown = Byte(Values(row, 1)[0]);
        } else if (key == "start town location") {
            const auto v = Values(row, 2);
            s.StartTownLoc = {Byte(v[0]), Byte(v[1])};
        } else if (key == "start section") {
            const auto v = Values(row, 2);
            s.StartOutdoorSection = {Byte(v[0]), Byte(v[1])};
        } else if (key == "start outdoor x") {
            s.StartOutdoorLoc.X = Byte(Values(row, 1)[0]);
        } else if (key == "var town entry") {
            const auto v = Values(row, 3);
            s.VarTownEntries.fill(VarTownEntry{Short(v[0]), Short(v[1]), Short(v[2])});
        } else if (key == "saved item area") {
            const auto v = Values(row, 5);
            s.SavedItemAreas.fill(
                SavedItemArea{Short(v[0]), Byte(v[1]), Byte(v[2]), Byte(v[3]), Byte(v[4])});
        } else if (key == "event timer") {
            const auto v = Values(row, 2);
            s.EventTimerMoves.fill(Short(v[0]));
            s.EventTimerNodes.fill(Short(v[1]));
        } else if (key == "boat" || key == "horse") {
            const auto v = Values(row, 4);
            (key == "boat" ? s.Boats : s.Horses)
                .fill(Transport{Short(v[0]), Byte(v[1]), Byte(v[2]), Byte(v[3])});
        } else if (key == "item placement shortcut") {
            const std::int16_t v = Short(Values(row, 1)[0]);
            for (ItemPlacementShortcut& shortcut : s.ItemPlacementShortcuts)
                shortcut.Values.fill(v);
        } else {
            throw std::runtime_error("scenario: unknown key \"" + key + "\"");
        }
    }
}
} // namespace

Scenario MakeBaseScenario() {
    Scenario s;
    ReadScenarioRecords(s);
    // The file keeps the lock flag where the outdoor start's y would be.
    s.ListsLocked = 0;
    s.StartOutdoorLoc.Y = s.ListsLocked;
    ReadTerrain(s);
    ReadMonsters(s);
    ReadItems(s);
    ReadStrings(s);
    ReadSpecialItems(s);
    s.ScenSpecialNodes.fill(FreeSpecialNode());

    s.OutdoorWidth = 1;
    s.OutdoorHeight = 1;
    s.OutdoorSections = OutdoorGrid(1, 1);
    InitOutdoorSection(s, 0, 0, 0);
    s.TownCount = 1;
    CreateTown(s, 0, "Town name", 1, 0);
    return s;
}

std::vector<std::uint8_t> BaseScenarioImage() {
    SectionDirectoryTable directory{};
    return WriteScenarioImage(MakeBaseScenario(), directory);
}
