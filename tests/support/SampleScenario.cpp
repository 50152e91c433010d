#include "support/SampleScenario.h"

#include "scenario/OwnLayout.h"
#include "scenario/ScenarioClearing.h"
#include "support/TempFolder.h"

#include <random>

namespace {
class Filler {
  public:
    explicit Filler(std::uint32_t seed) : rng_(seed) {}

    std::uint8_t U8() { return static_cast<std::uint8_t>(rng_()); }
    std::int16_t I16() { return static_cast<std::int16_t>(rng_()); }
    std::string Text() {
        // Mostly short texts, now and then empty or at the longest a text can be.
        const auto pick = rng_() % 16;
        const std::size_t length = pick == 0 ? 0 : pick == 1 ? 255 : rng_() % 40;
        return Fixed(length);
    }
    std::string Fixed(std::size_t length) {
        std::string s(length, ' ');
        for (auto& c : s)
            c = static_cast<char>(1 + rng_() % 255);
        return s;
    }
    template <class T, std::size_t N> void Fill(std::array<T, N>& a) {
        for (auto& v : a)
            v = static_cast<T>(rng_());
    }
    Location Loc() { return {U8(), U8()}; }
    AreaRect Rect() { return {U8(), U8(), U8(), U8()}; }
    SpecialNode Node() {
        return {I16(), I16(), I16(), I16(), I16(), I16(), I16(), I16(), I16(), I16(), I16()};
    }
    SpecialSpot Spot() { return {I16(), U8(), U8()}; }
    OutdoorEncounter Encounter() {
        OutdoorEncounter e;
        Fill(e.Monsters);
        for (auto* v : {&e.StartNode, &e.WinNode, &e.FleeNode})
            *v = I16();
        e.CannotFlee = U8();
        e.Forced = U8();
        for (auto* v : {&e.StuffDoneA, &e.StuffDoneB})
            *v = I16();
        return e;
    }
    std::uint32_t Below(std::uint32_t n) { return rng_() % n; }
    // Gives each element what make makes, in turn.
    template <class C, class T> void Each(C& c, T (Filler::*make)()) {
        for (auto& v : c)
            v = (this->*make)();
    }

  private:
    std::mt19937 rng_;
};

void FillScenarioWide(Scenario& s, Filler& f) {
    f.Fill(s.ScenVersion);
    for (auto* v : {&s.ScenRating, &s.ScenIcon, &s.ScenDifficulty, &s.ListsLocked, &s.StartTown})
        *v = f.U8();
    s.StartTownLoc = f.Loc();
    f.Fill(s.StartOutdoorSection);
    s.StartOutdoorLoc = {f.U8(), s.ListsLocked};
    for (auto* v : {&s.CurrentTown, &s.CurrentOutdoorX, &s.CurrentOutdoorY})
        *v = f.U8();

    for (std::size_t i = 0; i < s.TerrainTypes.size(); ++i) {
        auto& t = s.TerrainTypes[i];
        t = {f.Fixed(30), f.I16(),
             f.I16(),     f.I16(),
             f.U8(),      f.U8(),
             f.U8(),      f.U8(),
             f.U8(),      f.U8(),
             f.U8(),      f.U8(),
             f.Fixed(1),  TerrainSetOf(static_cast<int>(i))};
    }
    for (auto& m : s.MonsterTypes) {
        m.Name = f.Fixed(20);
        for (auto* v : {&m.Picture, &m.Reserved1, &m.TalkPicture})
            *v = f.I16();
        m.Kind = f.U8();
        m.Level = f.U8();
        m.Health = f.I16();
        for (auto* v :
             {&m.Armor, &m.Skill, &m.Speed, &m.MageLevel, &m.PriestLevel, &m.Attitude, &m.Treasure,
              &m.Poison, &m.SpAbility, &m.BreathWpn, &m.BreathStr, &m.CreateGenerate,
              &m.CreateExtra, &m.SummonType, &m.MagicRes, &m.FireRes, &m.ColdRes, &m.PoisonRes})
            *v = f.U8();
        m.ItemDropped = f.I16();
        m.ChanceDrop = f.I16();
        f.Fill(m.AttackTypes);
        f.Fill(m.AttackDice);
        f.Fill(m.AttackSides);
        f.Fill(m.Reserved2);
    }
    for (auto& it : s.ItemTypes) {
        it.Name = f.Fixed(25);
        it.UnidName = f.Fixed(15);
        for (auto* v : {&it.Picture, &it.ItemKind, &it.Value})
            *v = f.I16();
        for (auto* v : {&it.Weight, &it.Level, &it.Awkwardness, &it.Bonus, &it.Protection,
                        &it.Charges, &it.WeaponType, &it.MagicUse, &it.Ability, &it.AbilityStrength,
                        &it.TypeFlag, &it.Reserved, &it.SpecialClass, &it.TreasureClass,
                        &it.Identified, &it.Magical, &it.Cursed, &it.ConcealAbility})
            *v = f.U8();
    }
    for (auto& p : s.ItemPlacementShortcuts)
        f.Fill(p.Values);
    for (auto& v : s.VarTownEntries)
        v = {f.I16(), f.I16(), f.I16()};
    for (auto& a : s.SavedItemAreas)
        a = {f.I16(), f.U8(), f.U8(), f.U8(), f.U8()};
    f.Fill(s.EventTimerMoves);
    f.Fill(s.EventTimerNodes);
    for (auto& i : s.SpecialItems)
        i = {f.I16(), f.U8(), f.U8()};
    for (auto& b : s.Boats)
        b = {f.I16(), f.U8(), f.U8(), f.U8()};
    for (auto& h : s.Horses)
        h = {f.I16(), f.U8(), f.U8(), f.U8()};
    f.Each(s.ScenSpecialNodes, &Filler::Node);
    f.Each(s.ScenStrings, &Filler::Text);
}

void FillSection(OutdoorSection& o, Filler& f) {
    f.Each(o.AreaRects, &Filler::Rect);
    f.Each(o.WanderingLocs, &Filler::Loc);
    f.Each(o.Wandering, &Filler::Encounter);
    f.Each(o.Specials, &Filler::Encounter);
    f.Each(o.SpecialNodes, &Filler::Node);
    f.Each(o.SignLocs, &Filler::Loc);
    for (auto& e : o.TownEntrances)
        e = {f.I16(), f.U8(), f.U8()};
    o.SpecialSpots.resize(1 + f.Below(20));
    f.Each(o.SpecialSpots, &Filler::Spot);
    f.Each(o.Strings, &Filler::Text);
    f.Each(o.Terrain.Cells(), &Filler::U8);
}

void FillTown(Town& t, TownTalk& talk, int size, Filler& f) {
    t.Size = static_cast<std::uint8_t>(size);
    t.Hidden = f.U8();
    for (auto* v : {&t.Lighting, &t.Difficulty, &t.DayDies, &t.EventStop, &t.MaxMonsters})
        *v = f.I16();
    f.Fill(t.EntrySpecials);
    f.Fill(t.ExitSpecials);
    f.Each(t.AreaRects, &Filler::Rect);
    t.Boundary = f.Rect();
    for (auto* list : {&t.EntryPoints, &t.ExitLocs, &t.WanderingLocs})
        f.Each(*list, &Filler::Loc);
    f.Fill(t.TimerMoves);
    f.Fill(t.TimerNodes);
    for (auto& g : t.WanderingGroups)
        f.Fill(g.Monsters);
    f.Each(t.SpecialNodes, &Filler::Node);
    f.Each(t.SignLocs, &Filler::Loc);
    t.SpecialSpots.resize(1 + f.Below(20));
    f.Each(t.SpecialSpots, &Filler::Spot);
    t.Fields.resize(1 + f.Below(20));
    for (auto& x : t.Fields)
        x = {f.I16(), f.U8(), f.U8()};
    t.PresetItems.resize(1 + f.Below(20));
    for (auto& i : t.PresetItems)
        i = {f.I16(), f.U8(), f.U8(), f.I16(), f.U8(), f.U8(), f.U8()};
    t.Creatures.resize(1 + f.Below(30));
    for (auto& c : t.Creatures)
        c = {f.U8(), f.U8(), f.U8(), f.U8(),  f.U8(),  f.U8(),  f.I16(), f.I16(),
             f.U8(), f.U8(), f.U8(), f.I16(), f.I16(), f.I16(), f.U8()};
    f.Each(t.Strings, &Filler::Text);
    t.Terrain = TerrainGrid(TownSide(size));
    f.Each(t.Terrain.Cells(), &Filler::U8);

    for (auto& p : talk.Personalities)
        p = {f.Text(), f.Text(), f.Text(), f.Text(), f.Text()};
    for (auto& n : talk.Nodes) {
        n.PersonalityNum = f.I16();
        n.NodeType = f.I16();
        n.Word1 = f.Fixed(4);
        n.Word2 = f.Fixed(4);
        f.Fill(n.Extra);
        n.Text1 = f.Text();
        n.Text2 = f.Text();
    }
}
} // namespace

Scenario MakeVariedScenario(int outdoorWidth, int outdoorHeight, int townCount,
                            std::uint32_t seed) {
    Filler f(seed);
    Scenario s;
    s.TownCount = static_cast<std::uint8_t>(townCount);
    s.OutdoorWidth = static_cast<std::uint8_t>(outdoorWidth);
    s.OutdoorHeight = static_cast<std::uint8_t>(outdoorHeight);
    FillScenarioWide(s, f);
    s.OutdoorSections = OutdoorGrid(outdoorWidth, outdoorHeight);
    for (int y = 0; y < outdoorHeight; ++y)
        for (int x = 0; x < outdoorWidth; ++x)
            FillSection(s.OutdoorSections.At(x, y), f);
    s.Towns.resize(static_cast<std::size_t>(townCount));
    s.TownTalks.resize(static_cast<std::size_t>(townCount));
    for (int t = 0; t < townCount; ++t)
        FillTown(s.Towns[t], s.TownTalks[t], t % 3, f);
    return s;
}

Scenario MakeMinimalScenario() {
    Scenario s;
    s.TownCount = 1;
    s.OutdoorWidth = 1;
    s.OutdoorHeight = 1;
    for (std::size_t i = 0; i < s.TerrainTypes.size(); ++i) {
        s.TerrainTypes[i].Name = std::string(30, ' ');
        s.TerrainTypes[i].ShortcutKey = " ";
        s.TerrainTypes[i].TerrainSet = TerrainSetOf(static_cast<int>(i));
    }
    for (auto& m : s.MonsterTypes)
        m.Name = std::string(20, ' ');
    for (auto& it : s.ItemTypes) {
        it.Name = std::string(25, ' ');
        it.UnidName = std::string(15, ' ');
    }
    s.OutdoorSections = OutdoorGrid(1, 1);
    ClearOutdoorSection(s, 0, 0);
    s.Towns.resize(1);
    s.TownTalks.resize(1);
    s.Towns[0].Size = 2;
    s.Towns[0].Terrain = TerrainGrid(32);
    ClearTown(s, 0);
    return s;
}

void WriteScenarioFile(const std::string& path, const Scenario& s) {
    SectionDirectoryTable dir{};
    PutFileBytes(path, WriteScenarioImage(s, dir));
}
