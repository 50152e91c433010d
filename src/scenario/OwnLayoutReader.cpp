#include "scenario/OwnLayout.h"

#include "platform/core/ByteCursor.h"
#include "platform/core/RuntimeError.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/TextTable.h"

using namespace own_layout;

namespace {
Location ReadLocation(ReadCursor& in) {
    Location l;
    l.X = in.U8();
    l.Y = in.U8();
    return l;
}

AreaRect ReadRect(ReadCursor& in) {
    AreaRect r;
    r.Left = in.U8();
    r.Top = in.U8();
    r.Right = in.U8();
    r.Bottom = in.U8();
    return r;
}

SpecialNode ReadNode(ReadCursor& in) {
    SpecialNode n;
    for (std::int16_t* v : {&n.Type, &n.StuffDoneA, &n.StuffDoneB, &n.Message1, &n.Message2,
                            &n.Picture, &n.Extra1a, &n.Extra1b, &n.Extra2a, &n.Extra2b, &n.JumpTo})
        *v = in.I16();
    return n;
}

// A resizable list's stored upper bound: the list must have at least one entry, and the file
// must hold all of them before anything is allocated.
std::size_t CheckedListSize(ReadCursor& in, std::int16_t upperBound, std::size_t entryBytes,
                            FilePos listPos) {
    if (upperBound < 0) RaiseError(err::SubscriptOutOfRange);
    const auto size = static_cast<std::size_t>(upperBound) + 1;
    in.Reader().Require(listPos, size * entryBytes);
    return size;
}

std::vector<SpecialSpot> ReadSpots(ReadCursor& in, std::int16_t upperBound) {
    std::vector<SpecialSpot> spots(CheckedListSize(in, upperBound, 4, in.Pos()));
    for (auto& s : spots) {
        s.Node = in.I16();
        s.X = in.U8();
        s.Y = in.U8();
    }
    return spots;
}

OutdoorEncounter ReadEncounter(ReadCursor& in) {
    OutdoorEncounter e;
    in.U8s(e.Monsters);
    e.StartNode = in.I16();
    e.WinNode = in.I16();
    e.FleeNode = in.I16();
    e.CannotFlee = in.U8();
    e.Forced = in.U8();
    e.StuffDoneA = in.I16();
    e.StuffDoneB = in.I16();
    return e;
}

void ReadTerrainType(ReadCursor& in, TerrainType& t, int number) {
    t.Name = in.Text(30);
    t.Picture = in.I16();
    t.Extra1 = in.I16();
    t.Extra2 = in.I16();
    for (std::uint8_t* v : {&t.Blockage, &t.TransformTo, &t.FlyOver, &t.BoatOver, &t.HorseBlocked,
                            &t.Light, &t.Sound, &t.SpecialProperty})
        *v = in.U8();
    t.ShortcutKey = in.Text(1);
    in.I16(); // the stored wall group is stale by design; it follows from the number
    t.TerrainSet = TerrainSetOf(number);
    in.U8();
}

void ReadMonsterType(ReadCursor& in, MonsterType& m) {
    m.Name = in.Text(20);
    m.Picture = in.I16();
    m.Reserved1 = in.I16();
    m.TalkPicture = in.I16();
    m.Kind = in.U8();
    m.Level = in.U8();
    m.Health = in.I16();
    for (std::uint8_t* v :
         {&m.Armor, &m.Skill, &m.Speed, &m.MageLevel, &m.PriestLevel, &m.Attitude, &m.Treasure})
        *v = in.U8();
    m.ItemDropped = in.I16();
    m.ChanceDrop = in.I16();
    m.Poison = in.U8();
    m.SpAbility = in.U8();
    in.U8s(m.AttackTypes);
    in.U8s(m.AttackDice);
    in.U8s(m.AttackSides);
    for (std::uint8_t* v : {&m.BreathWpn, &m.BreathStr, &m.CreateGenerate, &m.CreateExtra,
                            &m.SummonType, &m.MagicRes, &m.FireRes, &m.ColdRes, &m.PoisonRes})
        *v = in.U8();
    in.U8s(m.Reserved2);
}

void ReadItemType(ReadCursor& in, ItemType& it) {
    it.Name = in.Text(25);
    it.UnidName = in.Text(15);
    it.Picture = in.I16();
    it.ItemKind = in.I16();
    it.Value = in.I16();
    for (std::uint8_t* v :
         {&it.Weight, &it.Level, &it.Awkwardness, &it.Bonus, &it.Protection, &it.Charges,
          &it.WeaponType, &it.MagicUse, &it.Ability, &it.AbilityStrength, &it.TypeFlag,
          &it.Reserved, &it.SpecialClass, &it.TreasureClass, &it.Identified, &it.Magical,
          &it.Cursed, &it.ConcealAbility})
        *v = in.U8();
}

void ReadTransports(ReadCursor& in, std::array<Transport, 24>& list) {
    for (auto& t : list) {
        t.Town = in.I16();
        t.X = in.U8();
        t.Y = in.U8();
        t.NotProperty = in.U8();
    }
}

int SlotCount(const ByteReader& file, FilePos slot, int largest) {
    return CheckedCount(file.GetI16(slot), largest);
}

// Puts the stored town texts into the 190 strings, accepting the two older string counts.
void PlaceTownStrings(Town& town, std::vector<std::string>&& texts, int count) {
    if (count == kOldTownStringsCount140) {
        for (int i = 0; i < 120; ++i)
            town.Strings[i] = std::move(texts[i]);
        for (int i = 120; i < 170; ++i)
            town.Strings[i].assign(1, '*');
        for (int i = 120; i < 140; ++i)
            town.Strings[i + 50] = std::move(texts[i]);
    } else if (count == kOldTownStringsCount220) {
        for (int i = 0; i < 170; ++i)
            town.Strings[i] = std::move(texts[i]);
        for (int i = 200; i < 220; ++i)
            town.Strings[i - 30] = std::move(texts[i]);
    } else {
        if (count > kTownStringsCount) RaiseError(err::SubscriptOutOfRange);
        for (int i = 0; i <= count; ++i)
            town.Strings[i] = std::move(texts[i]);
    }
}

void ReadTalk(ReadCursor& in, TownTalk& talk, int nodeCount) {
    for (int i = 0; i <= nodeCount; ++i) {
        TalkingNode& n = talk.Nodes[i];
        n.PersonalityNum = in.I16();
        n.NodeType = in.I16();
        n.Word1 = in.Text(4);
        n.Word2 = in.Text(4);
        for (auto& v : n.Extra)
            v = in.I16();
    }
    // Ten personality texts of five kinds, then Text1 and Text2 of each node, then one more.
    const int textCount = (nodeCount + 1) * 2 + 51;
    auto texts = ReadTextTable(in, textCount - 1);
    std::size_t k = 0;
    for (auto field : {&Personality::Name, &Personality::HuhResponse, &Personality::LookResponse,
                       &Personality::NameResponse, &Personality::JobResponse})
        for (auto& p : talk.Personalities)
            p.*field = std::move(texts[k++]);
    for (int i = 0; i <= nodeCount; ++i)
        talk.Nodes[i].Text1 = std::move(texts[k++]);
    for (int i = 0; i <= nodeCount; ++i)
        talk.Nodes[i].Text2 = std::move(texts[k++]);
}
} // namespace

void ReadScenHeaderV2(Scenario& scen, const ByteReader& file, FilePos& pos) {
    ReadCursor in(file, 5);
    in.U8s(scen.ScenVersion);
    for (std::uint8_t* v :
         {&scen.TownCount, &scen.OutdoorWidth, &scen.OutdoorHeight, &scen.ScenRating,
          &scen.ScenDifficulty, &scen.ScenIcon, &scen.CurrentTown, &scen.CurrentOutdoorX,
          &scen.CurrentOutdoorY, &scen.StartTown})
        *v = in.U8();
    scen.StartTownLoc = ReadLocation(in);
    in.U8s(scen.StartOutdoorSection);
    scen.StartOutdoorLoc = ReadLocation(in);
    scen.ListsLocked = file.GetU8(23);
    if (scen.TownCount == 0 || scen.OutdoorWidth < 1 || scen.OutdoorWidth > 50 ||
        scen.OutdoorHeight < 1 || scen.OutdoorHeight > 50)
        RaiseError(err::SubscriptOutOfRange);

    in.Seek(kTerrainTypes);
    for (std::size_t i = 0; i < scen.TerrainTypes.size(); ++i)
        ReadTerrainType(in, scen.TerrainTypes[i], static_cast<int>(i));
    for (auto& m : scen.MonsterTypes)
        ReadMonsterType(in, m);
    for (auto& it : scen.ItemTypes)
        ReadItemType(in, it);
    for (auto& s : scen.ItemPlacementShortcuts)
        for (auto& v : s.Values)
            v = in.I16();
    for (auto& v : scen.VarTownEntries) {
        v.Town = in.I16();
        v.StuffDoneA = in.I16();
        v.StuffDoneB = in.I16();
    }
    for (auto& a : scen.SavedItemAreas) {
        a.Town = in.I16();
        for (std::uint8_t* v : {&a.Left, &a.Top, &a.Right, &a.Bottom})
            *v = in.U8();
    }
    for (std::size_t i = 0; i < scen.EventTimerMoves.size(); ++i) {
        scen.EventTimerMoves[i] = in.I16();
        scen.EventTimerNodes[i] = in.I16();
    }
    for (auto& s : scen.SpecialItems) {
        s.Node = in.I16();
        s.StartsWith = in.U8();
        s.Usable = in.U8();
    }
    ReadTransports(in, scen.Boats);
    ReadTransports(in, scen.Horses);

    in.Seek(kScenSpecialNodes);
    const int nodeCount = SlotCount(file, kScenNodesSlot, 255);
    for (int i = 0; i <= nodeCount; ++i)
        scen.ScenSpecialNodes[i] = ReadNode(in);

    in.Seek(kScenStringLengths);
    const int stringCount = SlotCount(file, kScenStringsSlot, 319);
    auto texts = ReadTextTable(in, stringCount);
    for (int i = 0; i <= stringCount; ++i)
        scen.ScenStrings[i] = std::move(texts[i]);
    pos = in.Pos();
}

void ReadOutdoorSectionV2(Scenario& scen, const ByteReader& file, int x, int y, FilePos& pos) {
    OutdoorSection& s = scen.OutdoorSections.At(x, y);
    ReadCursor in(file, pos);
    const std::int16_t maxSpot = in.I16();
    for (auto& r : s.AreaRects)
        r = ReadRect(in);
    for (auto& l : s.WanderingLocs)
        l = ReadLocation(in);
    for (auto& e : s.Wandering)
        e = ReadEncounter(in);
    for (auto& e : s.Specials)
        e = ReadEncounter(in);
    const int signCount = SlotCount(file, kSectionSignsSlot, 15);
    for (int i = 0; i <= signCount; ++i)
        s.SignLocs[i] = ReadLocation(in);
    const int entranceCount = SlotCount(file, kSectionEntrancesSlot, 7);
    for (int i = 0; i <= entranceCount; ++i) {
        s.TownEntrances[i].Town = in.I16();
        s.TownEntrances[i].X = in.U8();
        s.TownEntrances[i].Y = in.U8();
    }
    s.SpecialSpots = ReadSpots(in, maxSpot);
    const int nodeCount = SlotCount(file, kSectionNodesSlot, 59);
    for (int i = 0; i <= nodeCount; ++i)
        s.SpecialNodes[i] = ReadNode(in);
    in.Bytes(s.Terrain.Cells().data(), s.Terrain.Cells().size());
    const int stringCount = SlotCount(file, kSectionStringsSlot, 107);
    auto texts = ReadTextTable(in, stringCount);
    for (int i = 0; i <= stringCount; ++i)
        s.Strings[i] = std::move(texts[i]);
    pos = in.Pos();
}

void ReadTownV2(Scenario& scen, const ByteReader& file, int townIndex, FilePos& pos) {
    ClearTown(scen, static_cast<std::int16_t>(townIndex));
    Town& t = scen.Towns[static_cast<std::size_t>(townIndex)];
    ReadCursor in(file, pos);
    const std::int16_t maxField = in.I16();
    const std::int16_t maxItem = in.I16();
    const std::int16_t maxCreature = in.I16();
    const std::int16_t maxSpot = in.I16();
    t.Size = in.U8();
    const int side = TownSide(t.Size);
    t.Hidden = in.U8();
    for (std::int16_t* v : {&t.Lighting, &t.Difficulty, &t.DayDies, &t.EventStop, &t.MaxMonsters})
        *v = in.I16();
    for (auto& v : t.EntrySpecials)
        v = in.I16();
    for (auto& v : t.ExitSpecials)
        v = in.I16();
    t.Boundary = ReadRect(in);
    for (auto& r : t.AreaRects)
        r = ReadRect(in);
    for (auto& l : t.EntryPoints)
        l = ReadLocation(in);
    for (auto& l : t.ExitLocs)
        l = ReadLocation(in);
    for (auto& v : t.TimerMoves)
        v = in.I16();
    for (auto& v : t.TimerNodes)
        v = in.I16();
    for (auto& g : t.WanderingGroups)
        in.U8s(g.Monsters);
    for (auto& l : t.WanderingLocs)
        l = ReadLocation(in);
    const int signCount = SlotCount(file, kTownSignsSlot, 15);
    for (int i = 0; i <= signCount; ++i)
        t.SignLocs[i] = ReadLocation(in);

    t.SpecialSpots = ReadSpots(in, maxSpot);
    t.Fields.assign(CheckedListSize(in, maxField, 4, in.Pos()), TownField{});
    for (auto& f : t.Fields) {
        f.FieldKind = in.I16();
        f.X = in.U8();
        f.Y = in.U8();
    }
    t.PresetItems.assign(CheckedListSize(in, maxItem, 10, in.Pos()), PresetItem{});
    for (auto& it : t.PresetItems) {
        it.Item = in.I16();
        it.X = in.U8();
        it.Y = in.U8();
        it.Charges = in.I16();
        it.AlwaysHere = in.U8();
        it.Property = in.U8();
        it.Contained = in.U8();
        in.U8();
    }
    t.Creatures.assign(CheckedListSize(in, maxCreature, 20, in.Pos()), TownCreature{});
    for (auto& c : t.Creatures) {
        for (std::uint8_t* v : {&c.Monster, &c.X, &c.Y, &c.Attitude, &c.CanMove, &c.TimeFlag})
            *v = in.U8();
        c.PersonalityNum = in.I16();
        c.Portrait = in.I16();
        c.TimeValue1 = in.U8();
        c.TimeValue2 = in.U8();
        c.EncounterGroup = in.U8();
        c.KilledNode = in.I16();
        c.StuffDoneA = in.I16();
        c.StuffDoneB = in.I16();
        c.Reserved = in.U8();
    }
    const int nodeCount = SlotCount(file, kTownNodesSlot, 99);
    for (int i = 0; i <= nodeCount; ++i)
        t.SpecialNodes[i] = ReadNode(in);

    t.Terrain = TerrainGrid(side);
    in.Bytes(t.Terrain.Cells().data(), t.Terrain.Cells().size());

    const std::int16_t stringCount = file.GetI16(kTownStringsSlot);
    if (stringCount < -1 ||
        (stringCount > kTownStringsCount && stringCount != kOldTownStringsCount220))
        RaiseError(err::SubscriptOutOfRange);
    PlaceTownStrings(t, ReadTextTable(in, stringCount), stringCount);

    ReadTalk(in, scen.TownTalks[static_cast<std::size_t>(townIndex)],
             SlotCount(file, kTalkNodesSlot, 89));
    pos = in.Pos();
}

void ReadScenarioImageV2(Scenario& scen, std::span<const std::uint8_t> image) {
    const ByteReader file(image);
    FilePos pos = 1;
    ReadScenHeaderV2(scen, file, pos);
    const int width = scen.OutdoorWidth;
    const int height = scen.OutdoorHeight;
    scen.OutdoorSections = OutdoorGrid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ReadOutdoorSectionV2(scen, file, x, y, pos);
    scen.Towns.assign(scen.TownCount, Town{});
    scen.TownTalks.assign(scen.TownCount, TownTalk{});
    for (int t = 0; t < scen.TownCount; ++t)
        ReadTownV2(scen, file, t, pos);
}
