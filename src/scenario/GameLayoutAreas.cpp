#include "scenario/GameLayout.h"

#include "platform/core/RuntimeError.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/EditorTables.h"

using namespace game_layout;

namespace {
// Offsets inside an outdoor section record.
constexpr FilePos kSectionSpots = 2304;
constexpr FilePos kSectionSpotNodes = 2340;
constexpr FilePos kSectionEntrances = 2358;
constexpr FilePos kSectionEntranceTowns = 2374;
constexpr FilePos kSectionSigns = 2382;
constexpr FilePos kSectionWandering = 2398;
constexpr FilePos kSectionSpecials = 2486;
constexpr FilePos kEncounterSize = 22;
constexpr FilePos kSectionWanderingLocs = 2574;
constexpr FilePos kSectionRects = 2582;
constexpr FilePos kSectionTextLengths = 2646;
constexpr FilePos kSectionNodes = 2826;
constexpr FilePos kSectionTexts = 4146;
constexpr int kSectionSpotSlots = 18;
constexpr int kSectionTextsRead = 108;

// Offsets inside a town record.
constexpr FilePos kTownWanderingGroups = 4;
constexpr FilePos kTownWanderingLocs = 20;
constexpr FilePos kTownSpots = 28;
constexpr FilePos kTownSpotNodes = 128;
constexpr FilePos kTownSigns = 178;
constexpr FilePos kTownLighting = 208;
constexpr FilePos kTownEntryPoints = 210;
constexpr FilePos kTownExitLocs = 218;
constexpr FilePos kTownExitSpecials = 226;
constexpr FilePos kTownBoundary = 234;
constexpr FilePos kTownItems = 242;
constexpr FilePos kTownMaxMonsters = 882;
constexpr FilePos kTownFields = 884;
constexpr FilePos kTownEntrySpecials = 1084;
constexpr FilePos kTownTimerMoves = 1088;
constexpr FilePos kTownTimerNodes = 1104;
constexpr FilePos kTownTextLengths = 1120;
constexpr FilePos kTownNodes = 1300;
constexpr FilePos kTownDifficulty = 3504;
constexpr FilePos kTownTerrain = 3506;
constexpr FilePos kNodeSize = 22;
constexpr int kTownSpotSlots = 50;
constexpr int kTownSignsRead = 15;
constexpr int kTownItemSlots = 64;
constexpr int kTownFieldSlots = 50;
constexpr int kTownTextsRead = 140;
constexpr int kTownMessagesRead = 120;
constexpr int kFirstTownSignText = 170;

// Offsets inside a town's dialogue.
constexpr FilePos kTalkNodes = 200;
constexpr FilePos kTalkNodeSize = 20;
constexpr FilePos kTalkTexts = 1400;
constexpr int kTalkNodesRead = 60;
constexpr int kTalkTextCount = 170;

// Per town size code (large, medium, small): creature slots and where the texts start.
constexpr int kCreatureSlots[] = {60, 40, 30};
constexpr FilePos kTownTextStart[] = {9562, 7106, 5446};
constexpr FilePos kCreatureSize = 22;

void CheckRecordFormat(int scenFormat) {
    if (scenFormat != kLittleEndian && scenFormat != kBigEndian) RaiseError(err::InvalidCall);
}

// Entry k of a list that the file fills densely: the list grows by eight free entries when k
// passes its end, as the editor's own list tools grow it.
template <class T> T& DenseEntry(std::vector<T>& list, int k, const T& freeEntry) {
    if (static_cast<std::size_t>(k) >= list.size()) list.resize(list.size() + 8, freeEntry);
    return list[static_cast<std::size_t>(k)];
}

TownCreature GrownFreeCreature() {
    TownCreature c;
    c.X = 100;
    c.KilledNode = -1;
    c.PersonalityNum = -1;
    c.StuffDoneA = -1;
    c.StuffDoneB = -1;
    return c;
}

constexpr SpecialSpot kFreeSpot{-1, 100, 0};
constexpr PresetItem kFreePresetItem{-1, 100, 0, -1, 0, 0, 0};
constexpr TownField kFreeField{-1, 100, 0};

// The game stores a map column by column; the grid keeps it row by row.
void ReadColumnMajorTerrain(const ByteReader& file, FilePos at, TerrainGrid& grid) {
    const int side = grid.Side();
    const std::uint8_t* columns = file.At(at, static_cast<std::size_t>(side * side));
    std::uint8_t* rows = grid.Cells().data();
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            rows[side * y + x] = columns[side * x + y];
}

Location ReadLocation(const GameLayoutFile& in, FilePos at) {
    return {in.ReadScenByte(at), in.ReadScenByte(at + 1)};
}

// flagsAtByte: the flag value is the one byte at +16 rather than the integer there.
OutdoorEncounter ReadEncounter(const GameLayoutFile& in, FilePos at, bool flagsAtByte) {
    OutdoorEncounter e;
    for (std::size_t m = 0; m < e.Monsters.size(); ++m)
        e.Monsters[m] = in.ReadScenByte(at + static_cast<FilePos>(m));
    e.StartNode = in.ReadScenInt(at + 10);
    e.WinNode = in.ReadScenInt(at + 12);
    e.FleeNode = in.ReadScenInt(at + 14);
    const int flags = flagsAtByte ? in.ReadScenByte(at + 16) : in.ReadScenInt(at + 16);
    e.CannotFlee = flags == 1 || flags == 11 ? 1 : 0;
    e.Forced = flags == 10 || flags == 11 ? 1 : 0;
    e.StuffDoneA = in.ReadScenInt(at + 18);
    e.StuffDoneB = in.ReadScenInt(at + 20);
    return e;
}

// A run of texts one after the other, each with its length from the length bytes.
class TextRun {
  public:
    TextRun(const GameLayoutFile& in, FilePos lengths, FilePos texts)
        : in_(in), lengths_(lengths), pos_(texts) {}

    void NextInto(std::string& text) {
        const std::uint8_t length = in_.ReadScenByte(lengths_ + index_++);
        in_.ReadScenTextInto(text, pos_, length);
        pos_ += length;
    }
    // A text that is not used; its bytes must still be there, as they belong to the part.
    void Skip() {
        const std::uint8_t length = in_.ReadScenByte(lengths_ + index_++);
        in_.Bytes().Require(pos_, length);
        pos_ += length;
    }
    FilePos Pos() const { return pos_; }

  private:
    const GameLayoutFile& in_;
    FilePos lengths_;
    FilePos pos_;
    int index_ = 0;
};

void ReadSectionSpots(const GameLayoutFile& in, FilePos p, OutdoorSection& s) {
    int k = -1;
    for (int i = 0; i < kSectionSpotSlots; ++i) {
        const std::uint8_t x = in.ReadScenByte(p + kSectionSpots + 2 * i);
        if (x >= 100) continue;
        // A slot in use but off the map still takes its index, which stays free.
        SpecialSpot& spot = DenseEntry(s.SpecialSpots, ++k, kFreeSpot);
        const std::uint8_t y = in.ReadScenByte(p + kSectionSpots + 1 + 2 * i);
        if (x < kOutdoorSide && y < kOutdoorSide)
            spot = {in.ReadScenByte(p + kSectionSpotNodes + i), x, y};
    }
}

void ReadTownSpots(const GameLayoutFile& in, FilePos p, Town& t) {
    int k = -1;
    for (int i = 0; i < kTownSpotSlots; ++i) {
        const std::uint8_t x = in.ReadScenByte(p + kTownSpots + 2 * i);
        if (x >= 100) continue;
        DenseEntry(t.SpecialSpots, ++k, kFreeSpot) = {in.ReadScenByte(p + kTownSpotNodes + i), x,
                                                      in.ReadScenByte(p + kTownSpots + 1 + 2 * i)};
    }
}

void ReadPresetItems(const GameLayoutFile& in, FilePos p, Town& t) {
    int k = -1;
    for (int i = 0; i < kTownItemSlots; ++i) {
        const FilePos at = p + kTownItems + 10 * i;
        const std::int16_t item = in.ReadScenInt(at + 2);
        if (item < 0) continue;
        PresetItem& it = DenseEntry(t.PresetItems, ++k, kFreePresetItem);
        it.Item = item;
        it.X = in.ReadScenByte(at);
        it.Y = in.ReadScenByte(at + 1);
        it.Charges = in.ReadScenInt(at + 4);
        it.AlwaysHere = in.ReadScenByte(at + 7);
        it.Property = in.ReadScenByte(at + 8);
        it.Contained = in.ReadScenByte(at + 9);
    }
}

void ReadFields(const GameLayoutFile& in, FilePos p, Town& t) {
    int k = -1;
    for (int i = 0; i < kTownFieldSlots; ++i) {
        const FilePos at = p + kTownFields + 4 * i;
        const std::int16_t code = in.ReadScenInt(at + 2);
        if (code <= 0) continue;
        if (code >= static_cast<int>(GameFieldKindMap.size())) RaiseError(err::SubscriptOutOfRange);
        TownField& f = DenseEntry(t.Fields, ++k, kFreeField);
        f.FieldKind = GameFieldKindMap[static_cast<std::size_t>(code)];
        f.X = in.ReadScenByte(at);
        f.Y = in.ReadScenByte(at + 1);
    }
}

void ReadCreatures(const GameLayoutFile& in, FilePos first, int slots, Town& t) {
    const TownCreature freeCreature = GrownFreeCreature();
    int k = -1;
    for (int i = 0; i < slots; ++i) {
        const FilePos at = first + kCreatureSize * i;
        const std::uint8_t monster = in.ReadScenByte(at);
        if (monster == 0) continue;
        TownCreature& c = DenseEntry(t.Creatures, ++k, freeCreature);
        c.Monster = monster;
        c.Attitude = in.ReadScenByte(at + 1);
        c.X = in.ReadScenByte(at + 2);
        c.Y = in.ReadScenByte(at + 3);
        c.CanMove = in.ReadScenByte(at + 4);
        c.TimeFlag = in.ReadScenByte(at + 5);
        c.StuffDoneA = in.ReadScenInt(at + 8);
        c.StuffDoneB = in.ReadScenInt(at + 10);
        c.EncounterGroup = in.ReadScenByte(at + 12);
        c.TimeValue1 = in.ReadScenByte(at + 14);
        c.TimeValue2 = in.ReadScenByte(at + 15);
        c.PersonalityNum = in.ReadScenInt(at + 16);
        c.KilledNode = in.ReadScenInt(at + 18);
        c.Portrait = in.ReadScenInt(at + 20);
    }
}

// The game's town rectangles may hold values above a byte in the big-endian files; those are
// dropped rather than refused.
AreaRect ReadTownAreaRect(const GameLayoutFile& in, FilePos at) {
    if (in.Format() != kBigEndian) return in.ReadScenRect(at);
    std::array<std::uint8_t, 4> v{};
    for (int i = 0; i < 4; ++i) {
        const std::int16_t value = in.ReadScenInt(at + 2 * i);
        v[static_cast<std::size_t>(i)] = value > 255 ? 0 : FitByte(value);
    }
    return AreaRect{v[1], v[0], v[3], v[2]};
}

void ReadTalk(const GameLayoutFile& in, FilePos q, TownTalk& talk) {
    for (int n = 0; n < kTalkNodesRead; ++n) {
        const FilePos at = q + kTalkNodes + kTalkNodeSize * n;
        TalkingNode& node = talk.Nodes[static_cast<std::size_t>(n)];
        node.PersonalityNum = in.ReadScenInt(at);
        node.NodeType = in.ReadScenInt(at + 2);
        in.ReadScenFixedTextInto(node.Word1, at + 4, 4);
        in.ReadScenFixedTextInto(node.Word2, at + 8, 4);
        for (int e = 0; e < 4; ++e)
            node.Extra[static_cast<std::size_t>(e)] = in.ReadScenInt(at + 12 + 2 * e);
        // The editor's shop numbers start 30 above the game's.
        if (node.NodeType == 9 || node.NodeType == 10) node.Extra[1] = FitInt16(node.Extra[1] + 30);
    }

    TextRun texts(in, q, q + kTalkTexts);
    for (auto field : {&Personality::Name, &Personality::LookResponse, &Personality::NameResponse,
                       &Personality::JobResponse})
        for (Personality& p : talk.Personalities)
            texts.NextInto(p.*field);
    for (int n = 0; n < kTalkNodesRead; ++n) {
        TalkingNode& node = talk.Nodes[static_cast<std::size_t>(n)];
        texts.NextInto(node.Text1);
        texts.NextInto(node.Text2);
    }
    for (Personality& p : talk.Personalities)
        texts.NextInto(p.HuhResponse);
    static_assert(4 * 10 + 2 * kTalkNodesRead + 10 == kTalkTextCount);
}
} // namespace

void ReadOutdoorSectionV1(Scenario& scen, const ByteReader& file, int x, int y, int scenFormat) {
    CheckRecordFormat(scenFormat);
    const GameLayoutFile in(file, scenFormat);
    const FilePos p = file.First();
    // Checked before the clear, whose 16-bit indices would wrap a far-off x or y onto a
    // section that exists.
    OutdoorSection& s = scen.OutdoorSections.At(x, y);
    ClearOutdoorSection(scen, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));

    ReadColumnMajorTerrain(file, p, s.Terrain);

    ReadSectionSpots(in, p, s);

    for (int e = 0; e < 8; ++e) {
        TownEntrance& entrance = s.TownEntrances[static_cast<std::size_t>(e)];
        entrance.X = in.ReadScenByte(p + kSectionEntrances + 2 * e);
        entrance.Y = in.ReadScenByte(p + kSectionEntrances + 1 + 2 * e);
        entrance.Town =
            entrance.X == 100 ? std::int16_t{-1} : in.ReadScenByte(p + kSectionEntranceTowns + e);
        if (entrance.Town >= scen.TownCount) entrance = TownEntrance{-1, 100, 0};
    }
    for (int i = 0; i < 8; ++i)
        s.SignLocs[static_cast<std::size_t>(i)] = ReadLocation(in, p + kSectionSigns + 2 * i);

    for (int w = 0; w < 4; ++w)
        s.Wandering[static_cast<std::size_t>(w)] =
            ReadEncounter(in, p + kSectionWandering + kEncounterSize * w, false);
    // The little-endian files keep the special encounters' flag in the slot's first byte,
    // which is its low byte; the big-endian ones need the whole integer, or the flag is lost.
    for (int e = 0; e < 4; ++e)
        s.Specials[static_cast<std::size_t>(e)] = ReadEncounter(
            in, p + kSectionSpecials + kEncounterSize * e, scenFormat == kLittleEndian);

    for (int w = 0; w < 4; ++w)
        s.WanderingLocs[static_cast<std::size_t>(w)] =
            ReadLocation(in, p + kSectionWanderingLocs + 2 * w);
    for (int r = 0; r < 8; ++r)
        s.AreaRects[static_cast<std::size_t>(r)] = in.ReadScenRect(p + kSectionRects + 8 * r);

    for (int n = 0; n < 60; ++n)
        s.SpecialNodes[static_cast<std::size_t>(n)] =
            in.ReadScenSpecialNode(p + kSectionNodes + kNodeSize * n);

    s.Strings.fill(std::string());
    TextRun texts(in, p + kSectionTextLengths, p + kSectionTexts);
    for (int j = 0; j < kSectionTextsRead; ++j)
        texts.NextInto(s.Strings[static_cast<std::size_t>(j)]);
    texts.Skip();
}

void ReadTownV1(Scenario& scen, const ByteReader& file, int town, int scenFormat,
                const GameTownTables& towns) {
    CheckRecordFormat(scenFormat);
    if (town < 0 || town >= kMaxTowns) RaiseError(err::SubscriptOutOfRange);
    const GameLayoutFile in(file, scenFormat);
    const FilePos p = file.First();
    ClearTown(scen, static_cast<std::int16_t>(town));
    Town& t = scen.Towns[static_cast<std::size_t>(town)];

    const std::uint8_t size = towns.Sizes[static_cast<std::size_t>(town)];
    if (size > 2) RaiseError(err::SubscriptOutOfRange);
    t.Size = size;
    t.Hidden = towns.Hidden[static_cast<std::size_t>(town)];
    t.DayDies = in.ReadScenInt(p);
    t.EventStop = in.ReadScenInt(p + 2);

    // Stored slot by slot: all groups' first monster, then all groups' second, and so on.
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b)
            t.WanderingGroups[static_cast<std::size_t>(b)].Monsters[static_cast<std::size_t>(a)] =
                in.ReadScenByte(p + kTownWanderingGroups + 4 * a + b);
    for (int w = 0; w < 4; ++w)
        t.WanderingLocs[static_cast<std::size_t>(w)] =
            ReadLocation(in, p + kTownWanderingLocs + 2 * w);

    ReadTownSpots(in, p, t);
    for (int s = 0; s < kTownSignsRead; ++s)
        t.SignLocs[static_cast<std::size_t>(s)] = ReadLocation(in, p + kTownSigns + 2 * s);
    t.Lighting = in.ReadScenInt(p + kTownLighting);
    for (int e = 0; e < 4; ++e) {
        t.EntryPoints[static_cast<std::size_t>(e)] = ReadLocation(in, p + kTownEntryPoints + 2 * e);
        t.ExitLocs[static_cast<std::size_t>(e)] = ReadLocation(in, p + kTownExitLocs + 2 * e);
    }
    for (int e = 0; e < 4; ++e)
        t.ExitSpecials[static_cast<std::size_t>(e)] = in.ReadScenInt(p + kTownExitSpecials + 2 * e);

    if (scenFormat == kBigEndian) {
        t.Boundary = in.ReadScenRect(p + kTownBoundary);
    } else {
        // The low bytes of four integers.
        t.Boundary = AreaRect{
            in.ReadScenByte(p + kTownBoundary), in.ReadScenByte(p + kTownBoundary + 2),
            in.ReadScenByte(p + kTownBoundary + 4), in.ReadScenByte(p + kTownBoundary + 6)};
    }

    ReadPresetItems(in, p, t);
    t.MaxMonsters = in.ReadScenInt(p + kTownMaxMonsters);
    ReadFields(in, p, t);
    t.EntrySpecials[0] = in.ReadScenInt(p + kTownEntrySpecials);
    t.EntrySpecials[1] = in.ReadScenInt(p + kTownEntrySpecials + 2);
    for (int i = 0; i < 8; ++i) {
        t.TimerMoves[static_cast<std::size_t>(i)] = in.ReadScenInt(p + kTownTimerMoves + 2 * i);
        t.TimerNodes[static_cast<std::size_t>(i)] = in.ReadScenInt(p + kTownTimerNodes + 2 * i);
    }
    for (int n = 0; n < 100; ++n)
        t.SpecialNodes[static_cast<std::size_t>(n)] =
            in.ReadScenSpecialNode(p + kTownNodes + kNodeSize * n);
    t.Difficulty = in.ReadScenInt(p + kTownDifficulty);

    const int side = TownSide(t.Size);
    t.Terrain = TerrainGrid(side);
    ReadColumnMajorTerrain(file, p + kTownTerrain, t.Terrain);
    const FilePos afterTerrain = p + kTownTerrain + side * side;
    for (int r = 0; r < 16; ++r)
        t.AreaRects[static_cast<std::size_t>(r)] = ReadTownAreaRect(in, afterTerrain + 8 * r);
    ReadCreatures(in, afterTerrain + 128, kCreatureSlots[t.Size], t);

    // The game has 120 message texts and 20 sign texts; the editor's slots in between are free.
    TextRun texts(in, p + kTownTextLengths, p + kTownTextStart[t.Size]);
    for (int j = 0; j < kTownMessagesRead; ++j)
        texts.NextInto(t.Strings[static_cast<std::size_t>(j)]);
    for (int j = kTownMessagesRead; j < kFirstTownSignText; ++j)
        t.Strings[static_cast<std::size_t>(j)].assign(1, '*');
    for (int j = kTownMessagesRead; j < kTownTextsRead; ++j)
        texts.NextInto(
            t.Strings[static_cast<std::size_t>(j - kTownMessagesRead + kFirstTownSignText)]);
}

void ReadTownTalkV1(Scenario& scen, const ByteReader& talk, int town, int scenFormat) {
    CheckRecordFormat(scenFormat);
    if (town < 0 || static_cast<std::size_t>(town) >= scen.TownTalks.size())
        RaiseError(err::SubscriptOutOfRange);
    ReadTalk(GameLayoutFile(talk, scenFormat), talk.First(),
             scen.TownTalks[static_cast<std::size_t>(town)]);
}

std::size_t OutdoorSectionV1Extent(ByteSource& source) {
    // The fixed record, then its texts; the length table holds one more text than is read.
    PartExtent part(source);
    part.Add(static_cast<std::size_t>(kSectionTexts));
    part.AddTextLengths(static_cast<std::size_t>(kSectionTextLengths), kSectionTextsRead + 1);
    return part.Size();
}

std::size_t TownV1Extent(ByteSource& source, int town, const GameTownTables& towns) {
    PartExtent part(source);
    const std::uint8_t size =
        town >= 0 && town < kMaxTowns ? towns.Sizes[static_cast<std::size_t>(town)] : 0;
    // A size the reader refuses is refused before anything is read.
    part.Add(static_cast<std::size_t>(kTownTextStart[size <= 2 ? size : 0]));
    part.AddTextLengths(static_cast<std::size_t>(kTownTextLengths), kTownTextsRead);
    return part.Size();
}

std::size_t TownTalkV1Extent(ByteSource& source) {
    PartExtent part(source);
    part.Add(static_cast<std::size_t>(kTalkTexts));
    part.AddTextLengths(0, kTalkTextCount);
    return part.Size();
}

namespace {
// A part of a whole image: found from pos on and read, pos moved past it.
template <class Extent, class Read>
void ReadPartOfImage(const ByteReader& file, FilePos& pos, Extent&& extent, Read&& read) {
    const ByteReader rest = file.Slice(pos, ~std::size_t{0});
    ByteSource source(rest.Bytes(), rest.First());
    const ByteReader part = source.Take(extent(source));
    read(part);
    pos = part.End();
}
} // namespace

void ReadOutdoorSectionV1(Scenario& scen, const ByteReader& file, int x, int y, FilePos& pos,
                          int scenFormat) {
    ReadPartOfImage(file, pos, OutdoorSectionV1Extent, [&](const ByteReader& section) {
        ReadOutdoorSectionV1(scen, section, x, y, scenFormat);
    });
}

void ReadTownV1(Scenario& scen, const ByteReader& file, int town, FilePos& pos, int scenFormat,
                const GameTownTables& towns) {
    ReadPartOfImage(
        file, pos, [&](ByteSource& source) { return TownV1Extent(source, town, towns); },
        [&](const ByteReader& part) { ReadTownV1(scen, part, town, scenFormat, towns); });
    ReadPartOfImage(file, pos, TownTalkV1Extent,
                    [&](const ByteReader& talk) { ReadTownTalkV1(scen, talk, town, scenFormat); });
}

void ReadScenarioImageV1(Scenario& scen, ByteSource& source, int scenFormat,
                         GameTownTables& towns) {
    ReadScenHeaderV1(scen, source.Take(ScenHeaderV1Extent(source)), scenFormat, towns);
    const int width = scen.OutdoorWidth;
    const int height = scen.OutdoorHeight;
    scen.OutdoorSections = OutdoorGrid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ReadOutdoorSectionV1(scen, source.Take(OutdoorSectionV1Extent(source)), x, y,
                                 scenFormat);
    scen.Towns.assign(scen.TownCount, Town{});
    scen.TownTalks.assign(scen.TownCount, TownTalk{});
    for (int t = 0; t < scen.TownCount; ++t) {
        ReadTownV1(scen, source.Take(TownV1Extent(source, t, towns)), t, scenFormat, towns);
        ReadTownTalkV1(scen, source.Take(TownTalkV1Extent(source)), t, scenFormat);
    }
}

void ReadScenarioImageV1(Scenario& scen, std::span<const std::uint8_t> image, int scenFormat,
                         GameTownTables& towns) {
    ByteSource source(image);
    ReadScenarioImageV1(scen, source, scenFormat, towns);
}
void ReadScenarioImageV1(Scenario& scen, std::span<const std::uint8_t> image, int scenFormat) {
    GameTownTables towns;
    ReadScenarioImageV1(scen, image, scenFormat, towns);
}
