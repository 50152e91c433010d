#include "scenario/OwnLayout.h"

#include "platform/core/ByteCursor.h"
#include "platform/core/RuntimeError.h"
#include "scenario/TextTable.h"

using namespace own_layout;

namespace {
template <std::size_t N>
std::vector<const std::string*> TextPointers(const std::array<std::string, N>& texts) {
    std::vector<const std::string*> pointers;
    pointers.reserve(N);
    for (const auto& t : texts)
        pointers.push_back(&t);
    return pointers;
}

void WriteLocation(WriteCursor& out, const Location& loc) {
    out.U8(loc.X);
    out.U8(loc.Y);
}

void WriteRect(WriteCursor& out, const AreaRect& r) {
    out.U8(r.Left);
    out.U8(r.Top);
    out.U8(r.Right);
    out.U8(r.Bottom);
}

void WriteNode(WriteCursor& out, const SpecialNode& n) {
    for (std::int16_t v : {n.Type, n.StuffDoneA, n.StuffDoneB, n.Message1, n.Message2, n.Picture,
                           n.Extra1a, n.Extra1b, n.Extra2a, n.Extra2b, n.JumpTo})
        out.I16(v);
}

void WriteSpots(WriteCursor& out, const std::vector<SpecialSpot>& spots) {
    for (const auto& s : spots) {
        out.I16(s.Node);
        out.U8(s.X);
        out.U8(s.Y);
    }
}

void WriteEncounter(WriteCursor& out, const OutdoorEncounter& e) {
    out.U8s(e.Monsters);
    out.I16(e.StartNode);
    out.I16(e.WinNode);
    out.I16(e.FleeNode);
    out.U8(e.CannotFlee);
    out.U8(e.Forced);
    out.I16(e.StuffDoneA);
    out.I16(e.StuffDoneB);
}

void WriteTerrainType(WriteCursor& out, const TerrainType& t) {
    out.FixedText(t.Name, 30);
    out.I16(t.Picture);
    out.I16(t.Extra1);
    out.I16(t.Extra2);
    for (std::uint8_t v : {t.Blockage, t.TransformTo, t.FlyOver, t.BoatOver, t.HorseBlocked,
                           t.Light, t.Sound, t.SpecialProperty})
        out.U8(v);
    out.FixedText(t.ShortcutKey, 1);
    out.I16(t.TerrainSet);
    out.U8(0);
}

void WriteMonsterType(WriteCursor& out, const MonsterType& m) {
    out.FixedText(m.Name, 20);
    out.I16(m.Picture);
    out.I16(m.Reserved1);
    out.I16(m.TalkPicture);
    out.U8(m.Kind);
    out.U8(m.Level);
    out.I16(m.Health);
    for (std::uint8_t v :
         {m.Armor, m.Skill, m.Speed, m.MageLevel, m.PriestLevel, m.Attitude, m.Treasure})
        out.U8(v);
    out.I16(m.ItemDropped);
    out.I16(m.ChanceDrop);
    out.U8(m.Poison);
    out.U8(m.SpAbility);
    out.U8s(m.AttackTypes);
    out.U8s(m.AttackDice);
    out.U8s(m.AttackSides);
    for (std::uint8_t v : {m.BreathWpn, m.BreathStr, m.CreateGenerate, m.CreateExtra, m.SummonType,
                           m.MagicRes, m.FireRes, m.ColdRes, m.PoisonRes})
        out.U8(v);
    out.U8s(m.Reserved2);
}

void WriteItemType(WriteCursor& out, const ItemType& it) {
    out.FixedText(it.Name, 25);
    out.FixedText(it.UnidName, 15);
    out.I16(it.Picture);
    out.I16(it.ItemKind);
    out.I16(it.Value);
    for (std::uint8_t v :
         {it.Weight, it.Level, it.Awkwardness, it.Bonus, it.Protection, it.Charges, it.WeaponType,
          it.MagicUse, it.Ability, it.AbilityStrength, it.TypeFlag, it.Reserved, it.SpecialClass,
          it.TreasureClass, it.Identified, it.Magical, it.Cursed, it.ConcealAbility})
        out.U8(v);
}

void WriteTransports(WriteCursor& out, const std::array<Transport, 24>& list) {
    for (const auto& t : list) {
        out.I16(t.Town);
        out.U8(t.X);
        out.U8(t.Y);
        out.U8(t.NotProperty);
    }
}

void WriteCountTable(ByteWriter& file) {
    const std::pair<FilePos, std::int16_t> slots[] = {
        {kScenNodesSlot, 255},   {kScenStringsSlot, 319},
        {kSectionNodesSlot, 59}, {kSectionStringsSlot, 107},
        {kSectionSignsSlot, 15}, {kSectionEntrancesSlot, 7},
        {kTownNodesSlot, 99},    {kTownStringsSlot, kTownStringsCount},
        {kTownSignsSlot, 15},    {kTalkNodesSlot, 89}};
    for (FilePos p = kCountTable; p < kCountTable + 2 * kCountSlots; p += 2)
        file.PutI16(p, 0);
    for (const auto& [pos, value] : slots)
        file.PutI16(pos, value);
}

void PutDirectoryEntry(ByteWriter& file, int entry, FilePos recordPos) {
    if (entry >= 0 && entry < kSectionDirectorySize)
        file.PutI32(kDirectory + 4 * entry, static_cast<std::int32_t>(recordPos - 1));
}
} // namespace

void WriteScenHeader(const Scenario& scen, ByteWriter& file, FilePos& pos) {
    WriteCursor out(file, 5);
    out.U8s(scen.ScenVersion);
    for (std::uint8_t v : {scen.TownCount, scen.OutdoorWidth, scen.OutdoorHeight, scen.ScenRating,
                           scen.ScenDifficulty, scen.ScenIcon, scen.CurrentTown,
                           scen.CurrentOutdoorX, scen.CurrentOutdoorY, scen.StartTown})
        out.U8(v);
    WriteLocation(out, scen.StartTownLoc);
    out.U8s(scen.StartOutdoorSection);
    // ListsLocked lands on the y of the outdoor start; stored files rely on this.
    WriteLocation(out, scen.StartOutdoorLoc);
    file.PutU8(23, scen.ListsLocked);
    file.PutU8(24, 0);
    WriteCountTable(file);

    out.Seek(kTerrainTypes);
    for (const auto& t : scen.TerrainTypes)
        WriteTerrainType(out, t);
    for (const auto& m : scen.MonsterTypes)
        WriteMonsterType(out, m);
    for (const auto& it : scen.ItemTypes)
        WriteItemType(out, it);
    for (const auto& s : scen.ItemPlacementShortcuts)
        for (std::int16_t v : s.Values)
            out.I16(v);
    for (const auto& v : scen.VarTownEntries) {
        out.I16(v.Town);
        out.I16(v.StuffDoneA);
        out.I16(v.StuffDoneB);
    }
    for (const auto& a : scen.SavedItemAreas) {
        out.I16(a.Town);
        for (std::uint8_t v : {a.Left, a.Top, a.Right, a.Bottom})
            out.U8(v);
    }
    for (std::size_t i = 0; i < scen.EventTimerMoves.size(); ++i) {
        out.I16(scen.EventTimerMoves[i]);
        out.I16(scen.EventTimerNodes[i]);
    }
    for (const auto& s : scen.SpecialItems) {
        out.I16(s.Node);
        out.U8(s.StartsWith);
        out.U8(s.Usable);
    }
    WriteTransports(out, scen.Boats);
    WriteTransports(out, scen.Horses);
    const std::array<std::uint8_t, 100> reserved{};
    out.U8s(reserved);
    for (const auto& n : scen.ScenSpecialNodes)
        WriteNode(out, n);
    pos = WriteTextTable(file, kScenStringLengths, TextPointers(scen.ScenStrings));
}

void WriteOutdoorSection(const Scenario& scen, ByteWriter& file, int x, int y, FilePos& pos) {
    const OutdoorSection& s = scen.OutdoorSections.At(x, y);
    PutDirectoryEntry(file, SectionEntry(x, y, scen.OutdoorWidth), pos);
    WriteCursor out(file, pos);
    out.I16(s.MaxSpecialSpot());
    for (const auto& r : s.AreaRects)
        WriteRect(out, r);
    for (const auto& l : s.WanderingLocs)
        WriteLocation(out, l);
    for (const auto& e : s.Wandering)
        WriteEncounter(out, e);
    for (const auto& e : s.Specials)
        WriteEncounter(out, e);
    for (const auto& l : s.SignLocs)
        WriteLocation(out, l);
    for (const auto& e : s.TownEntrances) {
        out.I16(e.Town);
        out.U8(e.X);
        out.U8(e.Y);
    }
    WriteSpots(out, s.SpecialSpots);
    for (const auto& n : s.SpecialNodes)
        WriteNode(out, n);
    out.Bytes(s.Terrain.Cells().data(), s.Terrain.Cells().size());
    pos = WriteTextTable(file, out.Pos(), TextPointers(s.Strings));
}

void WriteTown(const Scenario& scen, ByteWriter& file, int townIndex, FilePos& pos) {
    if (townIndex < 0 || static_cast<std::size_t>(townIndex) >= scen.Towns.size() ||
        static_cast<std::size_t>(townIndex) >= scen.TownTalks.size())
        RaiseError(err::SubscriptOutOfRange);
    const Town& t = scen.Towns[static_cast<std::size_t>(townIndex)];
    const TownTalk& talk = scen.TownTalks[static_cast<std::size_t>(townIndex)];
    if (t.Terrain.Side() != TownSide(t.Size)) RaiseError(err::SubscriptOutOfRange);

    PutDirectoryEntry(file, TownEntry(townIndex), pos);
    WriteCursor out(file, pos);
    out.I16(t.MaxField());
    out.I16(t.MaxPresetItem());
    out.I16(t.MaxCreature());
    out.I16(t.MaxSpecialSpot());
    out.U8(t.Size);
    out.U8(t.Hidden);
    for (std::int16_t v : {t.Lighting, t.Difficulty, t.DayDies, t.EventStop, t.MaxMonsters})
        out.I16(v);
    for (std::int16_t v : t.EntrySpecials)
        out.I16(v);
    for (std::int16_t v : t.ExitSpecials)
        out.I16(v);
    WriteRect(out, t.Boundary);
    for (const auto& r : t.AreaRects)
        WriteRect(out, r);
    for (const auto& l : t.EntryPoints)
        WriteLocation(out, l);
    for (const auto& l : t.ExitLocs)
        WriteLocation(out, l);
    for (std::int16_t v : t.TimerMoves)
        out.I16(v);
    for (std::int16_t v : t.TimerNodes)
        out.I16(v);
    for (const auto& g : t.WanderingGroups)
        out.U8s(g.Monsters);
    for (const auto& l : t.WanderingLocs)
        WriteLocation(out, l);
    for (const auto& l : t.SignLocs)
        WriteLocation(out, l);
    WriteSpots(out, t.SpecialSpots);
    for (const auto& f : t.Fields) {
        out.I16(f.FieldKind);
        out.U8(f.X);
        out.U8(f.Y);
    }
    for (const auto& it : t.PresetItems) {
        out.I16(it.Item);
        out.U8(it.X);
        out.U8(it.Y);
        out.I16(it.Charges);
        out.U8(it.AlwaysHere);
        out.U8(it.Property);
        out.U8(it.Contained);
        out.U8(0);
    }
    for (const auto& c : t.Creatures) {
        for (std::uint8_t v : {c.Monster, c.X, c.Y, c.Attitude, c.CanMove, c.TimeFlag})
            out.U8(v);
        out.I16(c.PersonalityNum);
        out.I16(c.Portrait);
        out.U8(c.TimeValue1);
        out.U8(c.TimeValue2);
        out.U8(c.EncounterGroup);
        out.I16(c.KilledNode);
        out.I16(c.StuffDoneA);
        out.I16(c.StuffDoneB);
        out.U8(c.Reserved);
    }
    for (const auto& n : t.SpecialNodes)
        WriteNode(out, n);
    out.Bytes(t.Terrain.Cells().data(), t.Terrain.Cells().size());
    out.Seek(WriteTextTable(file, out.Pos(), TextPointers(t.Strings)));

    for (const auto& n : talk.Nodes) {
        out.I16(n.PersonalityNum);
        out.I16(n.NodeType);
        out.FixedText(n.Word1, 4);
        out.FixedText(n.Word2, 4);
        for (std::int16_t v : n.Extra)
            out.I16(v);
    }
    static const std::string kNoText;
    std::vector<const std::string*> talkTexts;
    talkTexts.reserve(231);
    for (const auto& p : talk.Personalities)
        talkTexts.push_back(&p.Name);
    for (const auto& p : talk.Personalities)
        talkTexts.push_back(&p.HuhResponse);
    for (const auto& p : talk.Personalities)
        talkTexts.push_back(&p.LookResponse);
    for (const auto& p : talk.Personalities)
        talkTexts.push_back(&p.NameResponse);
    for (const auto& p : talk.Personalities)
        talkTexts.push_back(&p.JobResponse);
    for (const auto& n : talk.Nodes)
        talkTexts.push_back(&n.Text1);
    for (const auto& n : talk.Nodes)
        talkTexts.push_back(&n.Text2);
    talkTexts.push_back(&kNoText);
    pos = WriteTextTable(file, out.Pos(), talkTexts);
}

namespace {
template <std::size_t N> std::size_t TextBytes(const std::array<std::string, N>& texts) {
    std::size_t n = N;
    for (const auto& t : texts)
        n += t.size();
    return n;
}

// The size of the whole image, so that it is allocated once. Only speed depends on it.
std::size_t ImageSizeEstimate(const Scenario& scen) {
    std::size_t size = static_cast<std::size_t>(kScenStringLengths) + TextBytes(scen.ScenStrings);
    for (int y = 0; y < scen.OutdoorSections.Height(); ++y)
        for (int x = 0; x < scen.OutdoorSections.Width(); ++x) {
            const auto& s = scen.OutdoorSections.At(x, y);
            size += 282 + 4 * s.SpecialSpots.size() + 60 * 22 + s.Terrain.Cells().size() +
                    TextBytes(s.Strings);
        }
    for (std::size_t t = 0; t < scen.Towns.size() && t < scen.TownTalks.size(); ++t) {
        const Town& town = scen.Towns[t];
        size += 204 + 4 * town.SpecialSpots.size() + 4 * town.Fields.size() +
                10 * town.PresetItems.size() + 20 * town.Creatures.size() + 100 * 22 +
                town.Terrain.Cells().size() + TextBytes(town.Strings) + 90 * 20 + 231;
        for (const auto& p : scen.TownTalks[t].Personalities)
            size += p.Name.size() + p.LookResponse.size() + p.NameResponse.size() +
                    p.JobResponse.size() + p.HuhResponse.size();
        for (const auto& n : scen.TownTalks[t].Nodes)
            size += n.Text1.size() + n.Text2.size();
    }
    return size;
}
} // namespace

std::span<const std::uint8_t>
WriteScenarioImage(const Scenario& scen, SectionDirectoryTable& directory, ByteWriter& file) {
    file.Clear();
    file.Reserve(ImageSizeEstimate(scen));
    file.PutText(1, std::string_view(kSignature, 4));
    FilePos pos = 1;
    WriteScenHeader(scen, file, pos);
    for (int y = 0; y < scen.OutdoorHeight; ++y)
        for (int x = 0; x < scen.OutdoorWidth; ++x) {
            const int entry = SectionEntry(x, y, scen.OutdoorWidth);
            if (entry < kSectionDirectorySize)
                directory[static_cast<std::size_t>(entry)] = static_cast<std::int32_t>(pos - 1);
            WriteOutdoorSection(scen, file, x, y, pos);
        }
    for (int t = 0; t < scen.TownCount; ++t) {
        const int entry = TownEntry(t);
        if (entry < kSectionDirectorySize)
            directory[static_cast<std::size_t>(entry)] = static_cast<std::int32_t>(pos - 1);
        WriteTown(scen, file, t, pos);
    }
    for (int k = 0; k < kSectionDirectorySize; ++k)
        file.PutI32(kDirectory + 4 * k, directory[static_cast<std::size_t>(k)]);
    return file.Bytes();
}

std::vector<std::uint8_t> WriteScenarioImage(const Scenario& scen,
                                             SectionDirectoryTable& directory) {
    ByteWriter file;
    WriteScenarioImage(scen, directory, file);
    return file.TakeBytes();
}
