#include "scenario/OwnLayout.h"

#include "platform/core/ByteCursor.h"
#include "platform/core/RuntimeError.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/TextTable.h"

#include <algorithm>

using namespace own_layout;

namespace {
Location ReadLocation(ReadCursor& cursor) {
    RecordReader in = cursor.Record(2);
    Location l;
    l.X = in.U8();
    l.Y = in.U8();
    return l;
}

AreaRect ReadRect(ReadCursor& cursor) {
    RecordReader in = cursor.Record(4);
    AreaRect r;
    r.Left = in.U8();
    r.Top = in.U8();
    r.Right = in.U8();
    r.Bottom = in.U8();
    return r;
}

SpecialNode ReadNode(ReadCursor& cursor) {
    RecordReader in = cursor.Record(22);
    SpecialNode n;
    n.Type = in.I16();
    n.StuffDoneA = in.I16();
    n.StuffDoneB = in.I16();
    n.Message1 = in.I16();
    n.Message2 = in.I16();
    n.Picture = in.I16();
    n.Extra1a = in.I16();
    n.Extra1b = in.I16();
    n.Extra2a = in.I16();
    n.Extra2b = in.I16();
    n.JumpTo = in.I16();
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

void ReadSpots(ReadCursor& in, std::int16_t upperBound, std::vector<SpecialSpot>& spots) {
    spots.resize(CheckedListSize(in, upperBound, 4, in.Pos()));
    for (auto& s : spots) {
        RecordReader r = in.Record(4);
        s.Node = r.I16();
        s.X = r.U8();
        s.Y = r.U8();
    }
}

OutdoorEncounter ReadEncounter(ReadCursor& cursor) {
    RecordReader in = cursor.Record(22);
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

void ReadTerrainType(ReadCursor& cursor, TerrainType& t, int number) {
    RecordReader in = cursor.Record(48);
    in.TextInto(t.Name, 30);
    t.Picture = in.I16();
    t.Extra1 = in.I16();
    t.Extra2 = in.I16();
    t.Blockage = in.U8();
    t.TransformTo = in.U8();
    t.FlyOver = in.U8();
    t.BoatOver = in.U8();
    t.HorseBlocked = in.U8();
    t.Light = in.U8();
    t.Sound = in.U8();
    t.SpecialProperty = in.U8();
    in.TextInto(t.ShortcutKey, 1);
    in.I16(); // the stored wall group is stale by design; it follows from the number
    t.TerrainSet = TerrainSetOf(number);
    in.U8();
}

void ReadMonsterType(ReadCursor& cursor, MonsterType& m) {
    RecordReader in = cursor.Record(64);
    in.TextInto(m.Name, 20);
    m.Picture = in.I16();
    m.Reserved1 = in.I16();
    m.TalkPicture = in.I16();
    m.Kind = in.U8();
    m.Level = in.U8();
    m.Health = in.I16();
    m.Armor = in.U8();
    m.Skill = in.U8();
    m.Speed = in.U8();
    m.MageLevel = in.U8();
    m.PriestLevel = in.U8();
    m.Attitude = in.U8();
    m.Treasure = in.U8();
    m.ItemDropped = in.I16();
    m.ChanceDrop = in.I16();
    m.Poison = in.U8();
    m.SpAbility = in.U8();
    in.U8s(m.AttackTypes);
    in.U8s(m.AttackDice);
    in.U8s(m.AttackSides);
    m.BreathWpn = in.U8();
    m.BreathStr = in.U8();
    m.CreateGenerate = in.U8();
    m.CreateExtra = in.U8();
    m.SummonType = in.U8();
    m.MagicRes = in.U8();
    m.FireRes = in.U8();
    m.ColdRes = in.U8();
    m.PoisonRes = in.U8();
    in.U8s(m.Reserved2);
}

void ReadItemType(ReadCursor& cursor, ItemType& it) {
    RecordReader in = cursor.Record(64);
    in.TextInto(it.Name, 25);
    in.TextInto(it.UnidName, 15);
    it.Picture = in.I16();
    it.ItemKind = in.I16();
    it.Value = in.I16();
    it.Weight = in.U8();
    it.Level = in.U8();
    it.Awkwardness = in.U8();
    it.Bonus = in.U8();
    it.Protection = in.U8();
    it.Charges = in.U8();
    it.WeaponType = in.U8();
    it.MagicUse = in.U8();
    it.Ability = in.U8();
    it.AbilityStrength = in.U8();
    it.TypeFlag = in.U8();
    it.Reserved = in.U8();
    it.SpecialClass = in.U8();
    it.TreasureClass = in.U8();
    it.Identified = in.U8();
    it.Magical = in.U8();
    it.Cursed = in.U8();
    it.ConcealAbility = in.U8();
}

void ReadTransports(ReadCursor& in, std::array<Transport, 24>& list) {
    for (auto& t : list) {
        RecordReader r = in.Record(5);
        t.Town = r.I16();
        t.X = r.U8();
        t.Y = r.U8();
        t.NotProperty = r.U8();
    }
}

// Where each stored town text goes among the 190 strings: the two older string counts put
// their message and sign texts apart; null for a text that has no place.
std::string* TownStringOf(Town& town, int count, std::size_t text) {
    if (count == kOldTownStringsCount140) return &town.Strings[text < 120 ? text : text + 50];
    if (count == kOldTownStringsCount220) {
        if (text < 170) return &town.Strings[text];
        return text < 200 ? nullptr : &town.Strings[text - 30];
    }
    return &town.Strings[text];
}

void ReadTalk(ReadCursor& in, TownTalk& talk, int nodeCount) {
    for (int i = 0; i <= nodeCount; ++i) {
        TalkingNode& n = talk.Nodes[i];
        RecordReader r = in.Record(20);
        n.PersonalityNum = r.I16();
        n.NodeType = r.I16();
        r.TextInto(n.Word1, 4);
        r.TextInto(n.Word2, 4);
        for (auto& v : n.Extra)
            v = r.I16();
    }
    // Ten personality texts of five kinds, then Text1 and Text2 of each node, then one more.
    static constexpr std::string Personality::*kKinds[] = {
        &Personality::Name, &Personality::HuhResponse, &Personality::LookResponse,
        &Personality::NameResponse, &Personality::JobResponse};
    const auto nodes = static_cast<std::size_t>(nodeCount + 1);
    const std::size_t personalityTexts = 5 * talk.Personalities.size();
    ReadTextTable(in, static_cast<int>(nodes * 2 + 51) - 1, [&](std::size_t k) -> std::string* {
        if (k < personalityTexts) return &(talk.Personalities[k % 10].*kKinds[k / 10]);
        k -= personalityTexts;
        if (k < nodes) return &talk.Nodes[k].Text1;
        if (k < 2 * nodes) return &talk.Nodes[k - nodes].Text2;
        return nullptr;
    });
}

// The count as a reader takes it, for finding a part's length only: a count that its reader
// refuses is refused before anything that depends on it is read.
std::size_t Entries(std::int16_t upperBound, int largest) {
    return static_cast<std::size_t>(std::clamp<int>(upperBound, -1, largest) + 1);
}
} // namespace

OwnLayoutCounts ReadOwnLayoutCounts(const ByteReader& header) {
    OwnLayoutCounts c;
    c.sectionNodes = header.GetI16(kSectionNodesSlot);
    c.sectionStrings = header.GetI16(kSectionStringsSlot);
    c.sectionSigns = header.GetI16(kSectionSignsSlot);
    c.sectionEntrances = header.GetI16(kSectionEntrancesSlot);
    c.townNodes = header.GetI16(kTownNodesSlot);
    c.townStrings = header.GetI16(kTownStringsSlot);
    c.townSigns = header.GetI16(kTownSignsSlot);
    c.talkNodes = header.GetI16(kTalkNodesSlot);
    return c;
}

std::size_t ScenHeaderV2Extent(ByteSource& source) {
    PartExtent part(source);
    const std::int16_t strings = part.I16At(static_cast<std::size_t>(kScenStringsSlot - 1));
    part.Add(static_cast<std::size_t>(kScenStringLengths - 1));
    part.AddTextTable(Entries(strings, 319));
    return part.Size();
}

std::size_t OutdoorSectionV2Extent(ByteSource& source, const OwnLayoutCounts& counts) {
    PartExtent part(source);
    const std::int16_t maxSpot = part.I16At(0);
    part.Add(2 + 8 * 4 + 4 * 2 + 8 * 22 + 2 * Entries(counts.sectionSigns, 15) +
             4 * Entries(counts.sectionEntrances, 7) + 4 * Entries(maxSpot, 32767) +
             22 * Entries(counts.sectionNodes, 59) + kOutdoorSide * kOutdoorSide);
    part.AddTextTable(Entries(counts.sectionStrings, 107));
    return part.Size();
}

std::size_t TownV2Extent(ByteSource& source, const OwnLayoutCounts& counts) {
    PartExtent part(source);
    const std::int16_t maxField = part.I16At(0);
    const std::int16_t maxItem = part.I16At(2);
    const std::int16_t maxCreature = part.I16At(4);
    const std::int16_t maxSpot = part.I16At(6);
    const std::uint8_t size = part.U8At(8);
    const std::size_t side = size <= 2 ? static_cast<std::size_t>(TownSide(size)) : 0;
    part.Add(172 + 2 * Entries(counts.townSigns, 15) + 4 * Entries(maxSpot, 32767) +
             4 * Entries(maxField, 32767) + 10 * Entries(maxItem, 32767) +
             20 * Entries(maxCreature, 32767) + 22 * Entries(counts.townNodes, 99) + side * side);
    part.AddTextTable(Entries(counts.townStrings, kOldTownStringsCount220));
    const std::size_t talkNodes = Entries(counts.talkNodes, 89);
    part.Add(20 * talkNodes);
    part.AddTextTable(talkNodes * 2 + 51);
    return part.Size();
}

void ReadScenHeaderV2(Scenario& scen, const ByteReader& file) {
    ReadCursor in(file, 5);
    in.U8s(scen.ScenVersion);
    scen.TownCount = in.U8();
    scen.OutdoorWidth = in.U8();
    scen.OutdoorHeight = in.U8();
    scen.ScenRating = in.U8();
    scen.ScenDifficulty = in.U8();
    scen.ScenIcon = in.U8();
    scen.CurrentTown = in.U8();
    scen.CurrentOutdoorX = in.U8();
    scen.CurrentOutdoorY = in.U8();
    scen.StartTown = in.U8();
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
    for (auto& s : scen.ItemPlacementShortcuts) {
        RecordReader r = in.Record(2 * s.Values.size());
        for (auto& v : s.Values)
            v = r.I16();
    }
    for (auto& v : scen.VarTownEntries) {
        v.Town = in.I16();
        v.StuffDoneA = in.I16();
        v.StuffDoneB = in.I16();
    }
    for (auto& a : scen.SavedItemAreas) {
        a.Town = in.I16();
        a.Left = in.U8();
        a.Top = in.U8();
        a.Right = in.U8();
        a.Bottom = in.U8();
    }
    for (std::size_t i = 0; i < scen.EventTimerMoves.size(); ++i) {
        scen.EventTimerMoves[i] = in.I16();
        scen.EventTimerNodes[i] = in.I16();
    }
    for (auto& s : scen.SpecialItems) {
        RecordReader r = in.Record(4);
        s.Node = r.I16();
        s.StartsWith = r.U8();
        s.Usable = r.U8();
    }
    ReadTransports(in, scen.Boats);
    ReadTransports(in, scen.Horses);

    in.Seek(kScenSpecialNodes);
    const int nodeCount = CheckedCount(file.GetI16(kScenNodesSlot), 255);
    for (int i = 0; i <= nodeCount; ++i)
        scen.ScenSpecialNodes[i] = ReadNode(in);

    in.Seek(kScenStringLengths);
    const int stringCount = CheckedCount(file.GetI16(kScenStringsSlot), 319);
    ReadTextTable(in, stringCount, [&](std::size_t i) { return &scen.ScenStrings[i]; });
}

void ReadOutdoorSectionV2(Scenario& scen, const ByteReader& section, const OwnLayoutCounts& counts,
                          int x, int y) {
    OutdoorSection& s = scen.OutdoorSections.At(x, y);
    ReadCursor in(section);
    const std::int16_t maxSpot = in.I16();
    for (auto& r : s.AreaRects)
        r = ReadRect(in);
    for (auto& l : s.WanderingLocs)
        l = ReadLocation(in);
    for (auto& e : s.Wandering)
        e = ReadEncounter(in);
    for (auto& e : s.Specials)
        e = ReadEncounter(in);
    const int signCount = CheckedCount(counts.sectionSigns, 15);
    for (int i = 0; i <= signCount; ++i)
        s.SignLocs[i] = ReadLocation(in);
    const int entranceCount = CheckedCount(counts.sectionEntrances, 7);
    for (int i = 0; i <= entranceCount; ++i) {
        s.TownEntrances[i].Town = in.I16();
        s.TownEntrances[i].X = in.U8();
        s.TownEntrances[i].Y = in.U8();
    }
    ReadSpots(in, maxSpot, s.SpecialSpots);
    const int nodeCount = CheckedCount(counts.sectionNodes, 59);
    for (int i = 0; i <= nodeCount; ++i)
        s.SpecialNodes[i] = ReadNode(in);
    in.Bytes(s.Terrain.Cells().data(), s.Terrain.Cells().size());
    ReadTextTable(in, CheckedCount(counts.sectionStrings, 107),
                  [&](std::size_t i) { return &s.Strings[i]; });
}

void ReadTownV2(Scenario& scen, const ByteReader& town, const OwnLayoutCounts& counts,
                int townIndex) {
    ClearTown(scen, static_cast<std::int16_t>(townIndex));
    Town& t = scen.Towns[static_cast<std::size_t>(townIndex)];
    ReadCursor in(town);
    const std::int16_t maxField = in.I16();
    const std::int16_t maxItem = in.I16();
    const std::int16_t maxCreature = in.I16();
    const std::int16_t maxSpot = in.I16();
    t.Size = in.U8();
    const int side = TownSide(t.Size);
    t.Hidden = in.U8();
    t.Lighting = in.I16();
    t.Difficulty = in.I16();
    t.DayDies = in.I16();
    t.EventStop = in.I16();
    t.MaxMonsters = in.I16();
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
    const int signCount = CheckedCount(counts.townSigns, 15);
    for (int i = 0; i <= signCount; ++i)
        t.SignLocs[i] = ReadLocation(in);

    ReadSpots(in, maxSpot, t.SpecialSpots);
    t.Fields.assign(CheckedListSize(in, maxField, 4, in.Pos()), TownField{});
    for (auto& f : t.Fields) {
        RecordReader r = in.Record(4);
        f.FieldKind = r.I16();
        f.X = r.U8();
        f.Y = r.U8();
    }
    t.PresetItems.assign(CheckedListSize(in, maxItem, 10, in.Pos()), PresetItem{});
    for (auto& it : t.PresetItems) {
        RecordReader r = in.Record(10);
        it.Item = r.I16();
        it.X = r.U8();
        it.Y = r.U8();
        it.Charges = r.I16();
        it.AlwaysHere = r.U8();
        it.Property = r.U8();
        it.Contained = r.U8();
    }
    t.Creatures.assign(CheckedListSize(in, maxCreature, 20, in.Pos()), TownCreature{});
    for (auto& c : t.Creatures) {
        RecordReader r = in.Record(20);
        c.Monster = r.U8();
        c.X = r.U8();
        c.Y = r.U8();
        c.Attitude = r.U8();
        c.CanMove = r.U8();
        c.TimeFlag = r.U8();
        c.PersonalityNum = r.I16();
        c.Portrait = r.I16();
        c.TimeValue1 = r.U8();
        c.TimeValue2 = r.U8();
        c.EncounterGroup = r.U8();
        c.KilledNode = r.I16();
        c.StuffDoneA = r.I16();
        c.StuffDoneB = r.I16();
        c.Reserved = r.U8();
    }
    const int nodeCount = CheckedCount(counts.townNodes, 99);
    for (int i = 0; i <= nodeCount; ++i)
        t.SpecialNodes[i] = ReadNode(in);

    if (t.Terrain.Side() != side) t.Terrain = TerrainGrid(side);
    in.Bytes(t.Terrain.Cells().data(), t.Terrain.Cells().size());

    const std::int16_t stringCount = counts.townStrings;
    if (stringCount < -1 ||
        (stringCount > kTownStringsCount && stringCount != kOldTownStringsCount220))
        RaiseError(err::SubscriptOutOfRange);
    if (stringCount == kOldTownStringsCount140)
        for (int i = 120; i < 170; ++i)
            t.Strings[i].assign(1, '*');
    ReadTextTable(in, stringCount, [&](std::size_t i) { return TownStringOf(t, stringCount, i); });

    ReadTalk(in, scen.TownTalks[static_cast<std::size_t>(townIndex)],
             CheckedCount(counts.talkNodes, 89));
}

void ReadScenHeaderV2(Scenario& scen, const ByteReader& file, FilePos& pos) {
    ByteSource source(file.Bytes(), file.First());
    const ByteReader header = source.Take(ScenHeaderV2Extent(source));
    ReadScenHeaderV2(scen, header);
    pos = header.End();
}

namespace {
// A part of a whole image: found from pos on and read, pos moved past it.
template <class Extent, class Read>
void ReadPartOfImage(const ByteReader& file, FilePos& pos, Extent&& extent, Read&& read) {
    const OwnLayoutCounts counts = ReadOwnLayoutCounts(file);
    const ByteReader rest = file.Slice(pos, ~std::size_t{0});
    ByteSource source(rest.Bytes(), rest.First());
    const ByteReader part = source.Take(extent(source, counts));
    read(part, counts);
    pos = part.End();
}
} // namespace

void ReadOutdoorSectionV2(Scenario& scen, const ByteReader& file, int x, int y, FilePos& pos) {
    ReadPartOfImage(file, pos, OutdoorSectionV2Extent,
                    [&](const ByteReader& part, const OwnLayoutCounts& counts) {
                        ReadOutdoorSectionV2(scen, part, counts, x, y);
                    });
}

void ReadTownV2(Scenario& scen, const ByteReader& file, int town, FilePos& pos) {
    ReadPartOfImage(file, pos, TownV2Extent,
                    [&](const ByteReader& part, const OwnLayoutCounts& counts) {
                        ReadTownV2(scen, part, counts, town);
                    });
}

void ReadScenarioImageV2(Scenario& scen, ByteSource& source) {
    const ByteReader header = source.Take(ScenHeaderV2Extent(source));
    ReadScenHeaderV2(scen, header);
    const OwnLayoutCounts counts = ReadOwnLayoutCounts(header);
    const int width = scen.OutdoorWidth;
    const int height = scen.OutdoorHeight;
    scen.OutdoorSections = OutdoorGrid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ReadOutdoorSectionV2(scen, source.Take(OutdoorSectionV2Extent(source, counts)), counts,
                                 x, y);
    scen.Towns.assign(scen.TownCount, Town{});
    scen.TownTalks.assign(scen.TownCount, TownTalk{});
    for (int t = 0; t < scen.TownCount; ++t)
        ReadTownV2(scen, source.Take(TownV2Extent(source, counts)), counts, t);
}

void ReadScenarioImageV2(Scenario& scen, std::span<const std::uint8_t> image) {
    ByteSource source(image);
    ReadScenarioImageV2(scen, source);
}
