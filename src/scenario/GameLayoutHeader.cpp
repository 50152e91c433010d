#include "scenario/GameLayout.h"

#include "platform/core/RuntimeError.h"
#include "platform/core/TextCodec.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"

using namespace game_layout;

namespace {
// Fixed positions of the header.
constexpr FilePos kVersion = 5;
constexpr FilePos kTownCount = 12;
constexpr FilePos kTownSizes = 18;
constexpr FilePos kTownHidden = 218;
constexpr FilePos kStartTownLoc = 425;
constexpr FilePos kVarTownTowns = 2435;
constexpr FilePos kVarTownFlags = 2455;
constexpr FilePos kSavedItemRects = 2897;
constexpr FilePos kSavedItemTowns = 2921;
constexpr FilePos kSpecialItemFlags = 2929;
constexpr FilePos kSpecialItemNodes = 3029;
constexpr FilePos kDifficulty = 3129;
constexpr FilePos kMonsters = 3135;
constexpr FilePos kMonsterSize = 108;
constexpr FilePos kBoats = 30783;
constexpr FilePos kHorses = 31083;
constexpr FilePos kTransportSize = 10;
constexpr FilePos kTerrains = 31385;
constexpr FilePos kTerrainSize = 16;
constexpr FilePos kTimerMoves = 35481;
constexpr FilePos kTimerNodes = 35521;
constexpr FilePos kScenNodes = 35563;
constexpr FilePos kNodeSize = 22;
constexpr FilePos kShortcuts = 41195;
constexpr FilePos kShortcutSize = 44;
constexpr FilePos kTextLengths = 41637;
constexpr FilePos kCurrentSection = 41939;
constexpr FilePos kCurrentTown = 41941;
constexpr FilePos kItems = 41943;
constexpr FilePos kItemSize = 66;
constexpr FilePos kMonsterNames = 68343;
constexpr FilePos kTerrainNames = 73463;

constexpr int kItemsInLayout = 400;
constexpr int kScenTextsRead = 260;

// The game's files carry no death message of their own; these stand in for it.
constexpr std::string_view kDeathMessage1 =
    "Your adventure has come to an end, and what became of you no chronicle will ever tell. "
    "Perhaps you fell in a forgotten corner of the land, or perhaps you simply walked away. "
    "Your fate remains uncertain.";
constexpr std::string_view kDeathMessage2 =
    "Your whole party has perished and the quest is lost. Take heart: gather new strength and "
    "try the adventure again.";
static_assert(kDeathMessage1.size() == 202 && kDeathMessage2.size() == 113);

void ReadMonster(const GameLayoutFile& in, FilePos at, MonsterType& m) {
    const GameRecord r = in.Record(at, kMonsterSize);
    m.Level = r.Byte(1);
    m.Health = r.Int(28);
    m.Armor = r.Byte(36);
    m.Skill = r.Byte(37);
    for (int k = 0; k < 3; ++k) {
        // dice * 100 + sides
        const int attack = r.Int(38 + 2 * k);
        m.AttackDice[k] = FitByte(attack / 100);
        m.AttackSides[k] = FitByte(attack % 100);
    }
    m.AttackTypes[0] = r.Byte(44);
    m.AttackTypes[1] = m.AttackTypes[2] = r.Byte(45);
    m.Kind = r.Byte(46);
    m.Speed = r.Byte(47);
    m.MageLevel = r.Byte(49);
    m.PriestLevel = r.Byte(50);
    m.BreathStr = r.Byte(51);
    m.BreathWpn = r.Byte(52);
    m.Treasure = r.Byte(53);
    m.SpAbility = r.Byte(54);
    m.Poison = r.Byte(55);
    m.ItemDropped = r.Int(60);
    m.ChanceDrop = r.Int(62);

    // Two bits per resistance, the higher bit winning.
    const std::uint8_t resist = r.Byte(95);
    std::uint8_t* const resistances[] = {&m.MagicRes, &m.FireRes, &m.ColdRes, &m.PoisonRes};
    for (int r = 0; r < 4; ++r) {
        std::uint8_t value = 0;
        if (resist & (1u << (2 * r))) value = 1;
        if (resist & (2u << (2 * r))) value = 2;
        *resistances[r] = value;
    }
    m.Reserved1 = FitInt16(r.Byte(96) + 256 * r.Byte(97));
    m.Reserved2.fill(0);
    m.CreateGenerate = r.Byte(98);
    m.CreateExtra = r.Byte(99);
    m.Attitude = r.Byte(100);
    m.SummonType = r.Byte(101);
    m.TalkPicture = r.Byte(102);
    // The editor's monster sheet has two more pictures before the game's fifth.
    const std::int16_t picture = r.Int(106);
    m.Picture = picture > 3 && picture < 1000 ? static_cast<std::int16_t>(picture + 2) : picture;
}

void ReadTransports(const GameLayoutFile& in, FilePos first, std::array<Transport, 24>& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        const FilePos at = first + kTransportSize * static_cast<FilePos>(i);
        Transport& t = list[i];
        t.X = in.ReadScenByte(at);
        t.Y = in.ReadScenByte(at + 1);
        t.Town = in.ReadScenInt(at + 6);
        t.NotProperty = in.ReadScenByte(at + 9);
    }
}

void ReadTerrain(const GameLayoutFile& in, FilePos at, TerrainType& t) {
    const GameRecord r = in.Record(at, kTerrainSize);
    t.Picture = r.Int(0);
    t.Blockage = r.Byte(2);
    t.Extra1 = r.Byte(3);
    t.Extra2 = r.Byte(4);
    t.SpecialProperty = r.Byte(5);
    t.TransformTo = r.Byte(6);
    t.FlyOver = r.Byte(7);
    t.BoatOver = r.Byte(8);
    t.HorseBlocked = r.Byte(9);
    t.Light = r.Byte(10);
    t.Sound = r.Byte(11);
    in.ReadScenFixedTextInto(t.ShortcutKey, at + 12, 1);
}

// The editor gives some terrain numbers special properties that the game hard-codes.
void ConvertTerrainProperty(TerrainType& t, int number) {
    switch (number) {
    case 7:
    case 10:
    case 13:
    case 16:
        t.SpecialProperty = 1;
        t.Extra1 = t.Picture;
        break;
    case 82:
        t.SpecialProperty = 25;
        break;
    case 83:
        t.SpecialProperty = 26;
        break;
    case 125:
    case 142:
    case 157:
        t.SpecialProperty = 24;
        break;
    default:
        break;
    }
}

// Terrains whose picture is 207..212 turn into the last plain terrain that shows one of these
// pictures, slot by slot.
constexpr std::array<std::int16_t, 6> kRepresentedPictures = {0, 123, 157, 163, 2, 32};
constexpr std::int16_t kFirstTransformingPicture = 207;

void ReadTerrains(const GameLayoutFile& in, Scenario& scen) {
    std::array<std::uint8_t, kRepresentedPictures.size()> representative{};
    for (int i = 0; i < 256; ++i) {
        TerrainType& t = scen.TerrainTypes[static_cast<std::size_t>(i)];
        ReadTerrain(in, kTerrains + kTerrainSize * i, t);
        ConvertTerrainProperty(t, i);
        if (t.SpecialProperty == 0)
            for (std::size_t slot = 0; slot < kRepresentedPictures.size(); ++slot)
                if (t.Picture == kRepresentedPictures[slot])
                    representative[slot] = static_cast<std::uint8_t>(i);
        t.TerrainSet = TerrainSetOf(i);
    }
    for (TerrainType& t : scen.TerrainTypes) {
        const int slot = t.Picture - kFirstTransformingPicture;
        if (slot >= 0 && slot < static_cast<int>(representative.size()))
            t.TransformTo = representative[static_cast<std::size_t>(slot)];
    }
}

void ReadItem(const GameLayoutFile& in, FilePos at, ItemType& it) {
    const GameRecord r = in.Record(at, kItemSize);
    // The editor has no kind 12 of the game's; the game's 16 is the editor's 12.
    std::int16_t kind = r.Int(0);
    if (kind == 16) kind = 12;
    if (kind > 15) --kind;
    it.ItemKind = kind;
    it.Level = r.Byte(2);
    it.Awkwardness = r.Byte(4);
    it.Bonus = r.Byte(5);
    it.Protection = r.Byte(6);
    it.Charges = r.Byte(7);
    it.WeaponType = r.Byte(8);
    it.MagicUse = r.Byte(9);
    it.Picture = r.Byte(10);
    it.Ability = r.Byte(11);
    it.AbilityStrength = r.Byte(12);
    it.TypeFlag = r.Byte(13);
    it.Value = r.Int(16);
    it.Weight = r.Byte(18);
    it.SpecialClass = r.Byte(19);
    in.ReadScenFixedTextInto(it.Name, at + 22, 25);
    in.ReadScenFixedTextInto(it.UnidName, at + 47, 15);
    it.TreasureClass = r.Byte(62);
    const std::uint8_t flags = r.Byte(63);
    it.Identified = (flags & 0x01) ? 1 : 0;
    it.Magical = (flags & 0x04) ? 1 : 0;
    it.Cursed = (flags & 0x10) ? 1 : 0;
    it.ConcealAbility = (flags & 0x20) ? 1 : 0;
    it.Reserved = 0;
}

ItemType EmptyItemType() {
    ItemType it;
    it.Name = FixedLengthText("Empty", 25);
    it.UnidName = FixedLengthText("Empty", 15);
    it.WeaponType = 1;
    return it;
}

void ReadScenTexts(const GameLayoutFile& in, Scenario& scen) {
    FilePos p = kScenTexts;
    for (int j = 0; j < kScenTextsRead; ++j) {
        const std::uint8_t length = in.ReadScenByte(kTextLengths + j);
        in.ReadScenTextInto(scen.ScenStrings[static_cast<std::size_t>(j)], p, length);
        p += length;
    }
    // The table's last text is not used; its bytes still belong to the header.
    in.Bytes().Require(p, in.ReadScenByte(kTextLengths + kScenTextsRead));

    scen.ScenStrings[10] = kDeathMessage1;
    scen.ScenStrings[11] = kDeathMessage2;
    scen.ScenStrings[12] = "Begin journal strs";
    for (std::size_t k = 0; k < DialogButtonLabels.size(); ++k)
        scen.ScenStrings[260 + k] = DialogButtonLabels[k];
}
} // namespace

std::size_t ScenHeaderV1Extent(ByteSource& source) {
    // The fixed positions, then the texts; the length table holds one more text than is read.
    PartExtent part(source);
    part.Add(static_cast<std::size_t>(kScenTexts - 1));
    part.AddTextLengths(static_cast<std::size_t>(kTextLengths - 1), kScenTextsRead + 1);
    return part.Size();
}

void ReadScenHeaderV1(Scenario& scen, const ByteReader& file, FilePos& pos, int scenFormat,
                      GameTownTables& towns) {
    ByteSource source(file.Bytes(), file.First());
    const ByteReader header = source.Take(ScenHeaderV1Extent(source));
    ReadScenHeaderV1(scen, header, scenFormat, towns);
    pos = header.End();
}

void ReadScenHeaderV1(Scenario& scen, const ByteReader& file, int scenFormat,
                      GameTownTables& towns) {
    if (scenFormat != kLittleEndian && scenFormat != kBigEndian) RaiseError(err::InvalidCall);
    const GameLayoutFile in(file, scenFormat);

    ClearScenSpecialsAndStrings(scen);
    for (int i = 0; i < 3; ++i)
        scen.ScenVersion[static_cast<std::size_t>(i)] = in.ReadScenByte(kVersion + i);
    scen.TownCount = in.ReadScenByte(kTownCount);
    scen.OutdoorWidth = in.ReadScenByte(kTownCount + 1);
    scen.OutdoorHeight = in.ReadScenByte(kTownCount + 2);
    scen.ScenRating = in.ReadScenByte(kTownCount + 3);
    scen.ScenIcon = in.ReadScenByte(kTownCount + 4);
    // Everything after this is sized by these three.
    if (scen.TownCount < 1 || scen.TownCount > kMaxTowns || scen.OutdoorWidth < 1 ||
        scen.OutdoorWidth > kMaxOutdoorSide || scen.OutdoorHeight < 1 ||
        scen.OutdoorHeight > kMaxOutdoorSide)
        RaiseError(err::SubscriptOutOfRange);
    file.GetBytes(kTownSizes, towns.Sizes.data(), towns.Sizes.size());
    file.GetBytes(kTownHidden, towns.Hidden.data(), towns.Hidden.size());
    scen.StartTownLoc = {in.ReadScenByte(kStartTownLoc), in.ReadScenByte(kStartTownLoc + 1)};
    scen.StartOutdoorSection = {in.ReadScenByte(kStartTownLoc + 2),
                                in.ReadScenByte(kStartTownLoc + 3)};
    scen.StartOutdoorLoc = {in.ReadScenByte(kStartTownLoc + 4), in.ReadScenByte(kStartTownLoc + 5)};
    scen.StartTown = in.ReadScenByte(kStartTownLoc + 6);
    scen.ListsLocked = 1;

    for (int i = 0; i < 10; ++i) {
        VarTownEntry& v = scen.VarTownEntries[static_cast<std::size_t>(i)];
        v.Town = in.ReadScenInt(kVarTownTowns + 2 * i);
        v.StuffDoneA = in.ReadScenInt(kVarTownFlags + 4 * i);
        v.StuffDoneB = in.ReadScenInt(kVarTownFlags + 2 + 4 * i);
    }

    for (int i = 0; i < 3; ++i) {
        SavedItemArea& a = scen.SavedItemAreas[static_cast<std::size_t>(i)];
        const AreaRect r = in.ReadScenRect(kSavedItemRects + 8 * i);
        a.Left = r.Left;
        a.Top = r.Top;
        a.Right = r.Right;
        a.Bottom = r.Bottom;
        a.Town = in.ReadScenInt(kSavedItemTowns + 2 * i);
    }
    scen.SavedItemAreas[3] = SavedItemArea{-1, 0, 0, 0, 0};

    for (int i = 0; i < 50; ++i) {
        SpecialItem& s = scen.SpecialItems[static_cast<std::size_t>(i)];
        // Tens digit: the party starts with it; units digit: it can be used.
        const std::int16_t flags = in.ReadScenInt(kSpecialItemFlags + 2 * i);
        const bool known = flags == 0 || flags == 1 || flags == 10 || flags == 11;
        s.StartsWith = known && flags >= 10 ? 1 : 0;
        s.Usable = known && flags % 10 == 1 ? 1 : 0;
        s.Node = in.ReadScenInt(kSpecialItemNodes + 2 * i);
    }

    scen.ScenDifficulty = in.ReadScenByte(kDifficulty);
    for (int i = 0; i < 256; ++i)
        ReadMonster(in, kMonsters + kMonsterSize * i,
                    scen.MonsterTypes[static_cast<std::size_t>(i)]);
    ReadTransports(in, kBoats, scen.Boats);
    ReadTransports(in, kHorses, scen.Horses);
    ReadTerrains(in, scen);

    for (int i = 0; i < 20; ++i) {
        scen.EventTimerMoves[static_cast<std::size_t>(i)] = in.ReadScenInt(kTimerMoves + 2 * i);
        scen.EventTimerNodes[static_cast<std::size_t>(i)] = in.ReadScenInt(kTimerNodes + 2 * i);
    }
    for (int i = 0; i < 256; ++i)
        scen.ScenSpecialNodes[static_cast<std::size_t>(i)] =
            in.ReadScenSpecialNode(kScenNodes + kNodeSize * i);
    for (int i = 0; i < 10; ++i) {
        auto& values = scen.ItemPlacementShortcuts[static_cast<std::size_t>(i)].Values;
        const GameRecord r = in.Record(kShortcuts + kShortcutSize * i, 42);
        for (int v = 0; v < 21; ++v)
            values[static_cast<std::size_t>(v)] = r.Int(2 * v);
    }

    scen.CurrentOutdoorX = in.ReadScenByte(kCurrentSection);
    scen.CurrentOutdoorY = in.ReadScenByte(kCurrentSection + 1);
    scen.CurrentTown = in.ReadScenIntAsByte(kCurrentTown);

    for (int i = 0; i < kItemsInLayout; ++i)
        ReadItem(in, kItems + kItemSize * i, scen.ItemTypes[static_cast<std::size_t>(i)]);
    for (std::size_t i = kItemsInLayout; i < scen.ItemTypes.size(); ++i)
        scen.ItemTypes[i] = EmptyItemType();

    for (int i = 0; i < 256; ++i)
        in.ReadScenFixedTextInto(scen.MonsterTypes[static_cast<std::size_t>(i)].Name,
                                 kMonsterNames + 20 * i, 20);
    for (int i = 0; i < 256; ++i)
        in.ReadScenFixedTextInto(scen.TerrainTypes[static_cast<std::size_t>(i)].Name,
                                 kTerrainNames + 30 * i, 30);

    ReadScenTexts(in, scen);
}
