#include "support/GameLayoutFixture.h"

namespace {
class GameSectionTest : public GameLayoutTest {
  protected:
    // One section and two towns, so that town numbers 0 and 1 are valid.
    GameLayoutBuilder Builder() const { return GameLayoutTest::Builder({2, 2}); }
};

constexpr SpecialSpot kFreeSpot{-1, 100, 0};
} // namespace

TEST_P(GameSectionTest, TerrainSignsPointsRectanglesSpotsEntrancesNodesTextsAndSectionsRowByRow) {
    GameLayoutBuilder b(Big(), 3, 2, {2, 2}); // town numbers 0 and 1 are valid
    GameSectionBuilder& sec = b.Section(0, 0);
    sec.Spot(2, 5, 7, 33);
    sec.Spot(3, 60, 3, 34); // in use but off the map
    sec.Spot(4, 3, 48, 35); // likewise
    sec.Spot(5, 47, 47, 255);
    sec.Spot(6, 101, 0, 36);    // above 100 is unused too
    sec.Entrance(0, 100, 5, 1); // free slot: its town byte means nothing
    sec.Entrance(1, 10, 20, 1);
    sec.Entrance(2, 11, 21, 2); // the town count: no such town
    sec.Entrance(3, 12, 22, 255);
    sec.Entrance(4, 70, 23, 0); // off the map, but it fits its field
    sec.record.Byte(1, 11);     // column 0, row 1
    sec.record.Byte(48, 12);    // column 1, row 0
    sec.Terrain(47, 46, 13);
    sec.Terrain(46, 47, 14);
    sec.Sign(0, 1, 2);
    sec.Sign(7, 3, 4);
    sec.WanderingLoc(3, 5, 6);
    sec.Rect(0, 1, 2, 3, 4);
    sec.Rect(7, 0, 47, 255, 70);
    Lay(sec.record, sec.NodeAt(59), "60w 0w 0w 7w 2w @18 10w 59w");
    sec.texts[99] = "a|b";
    sec.texts[107] = std::string(255, 'z');
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            b.Section(x, y).texts[0] = std::to_string(x) + "," + std::to_string(y);
            b.Section(x, y).texts[108] = std::string(x + 3 * y, '.'); // not read
        }
    const auto image = b.Build();
    Scenario all = Read(image);
    const OutdoorSection& s = all.OutdoorSections.At(0, 0);
    const TerrainGrid& t = s.Terrain;
    EXPECT_EQ(Ints(t.At(0, 1), t.At(1, 0), t.At(47, 46), t.At(46, 47), t.At(0, 0)),
              Ints(11, 12, 13, 14, 0));
    EXPECT_EQ(std::vector(s.SignLocs.begin() + 8, s.SignLocs.end()),
              (std::vector<Location>(8, {100, 0})));
    // clang-format off
    EXPECT_EQ((std::vector{s.SignLocs[0], s.SignLocs[5], s.SignLocs[7], s.WanderingLocs[3],
                           s.WanderingLocs[0]}),
              (std::vector<Location>{{1, 2}, {100, 0}, {3, 4}, {5, 6}, {100, 0}}));
    // clang-format on
    EXPECT_EQ((std::vector{s.AreaRects[0], s.AreaRects[7]}),
              (std::vector<AreaRect>{{1, 2, 3, 4}, {0, 47, 255, 70}}));
    EXPECT_EQ(s.SpecialNodes[59], (SpecialNode{60, 0, 0, 2, 0, 7, 0, 0, 0, 12, 59}));
    EXPECT_EQ(std::pair(s.Strings[99], s.Strings[107]),
              std::pair(std::string("a\r\nb"), std::string(255, 'z')));
    // clang-format off
    EXPECT_EQ(s.TownEntrances, (std::array<TownEntrance, 8>{{{-1, 100, 5}, {1, 10, 20},
        {-1, 100, 0}, {-1, 100, 0}, {0, 70, 23}, {-1, 100, 0}, {-1, 100, 0}, {-1, 100, 0}}}));
    // clang-format on
    ASSERT_EQ(s.MaxSpecialSpot(), 7);
    // clang-format off
    EXPECT_EQ(s.SpecialSpots, (std::vector<SpecialSpot>{{33, 5, 7}, kFreeSpot, kFreeSpot,
        {255, 47, 47}, kFreeSpot, kFreeSpot, kFreeSpot, kFreeSpot}));
    // clang-format on
    ASSERT_EQ(Ints(all.OutdoorSections.Width(), all.OutdoorSections.Height()), Ints(3, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(all.OutdoorSections.At(x, y).Strings[0],
                      std::to_string(x) + "," + std::to_string(y));
    FilePos pos = static_cast<FilePos>(b.SectionPos(2, 1));
    ReadOutdoorSectionV1(all, ByteReader(image), 0, 0, pos, Format());
    EXPECT_EQ(static_cast<std::size_t>(pos), b.TownPos(0));

    // The list grows by eight as the town's lists do, up to all 18 slots.
    for (int i = 0; i < 18; ++i)
        sec.Spot(i, i, i, i);
    const OutdoorSection grown = Read(b).OutdoorSections.At(0, 0);
    ASSERT_EQ(grown.MaxSpecialSpot(), 23);
    EXPECT_EQ(grown.SpecialSpots[17], (SpecialSpot{17, 17, 17}));
    EXPECT_EQ(grown.SpecialSpots[18], kFreeSpot);

    b.Section(0, 0).Rect(3, 0, 0, 256, 0);
    EXPECT_EQ(ReadError(b), 6);
    b.Section(0, 0).Rect(3, 0, -1, 0, 0);
    EXPECT_EQ(ReadError(b), 6);
}

TEST_P(GameSectionTest, EncountersTheirFlagsAndASectionOutsideTheWorld) {
    GameLayoutBuilder b = Builder();
    GameSectionBuilder& sec = b.Section(0, 0);
    const char* const flags[] = {"0w", "1w", "10w", "11w"};
    for (int i = 0; i < 4; ++i)
        for (std::size_t at : {sec.WanderingAt(i), sec.SpecialAt(i)})
            Lay(sec.record, at,
                std::string("250 251 252 253 254 255 250 251 252 253 1w -1w 59w ") + flags[i] +
                    " 299w 9w");
    Scenario all = Read(b);
    const OutdoorSection& s = all.OutdoorSections.At(0, 0);
    EXPECT_EQ(s.Wandering[0],
              (OutdoorEncounter{
                  {250, 251, 252, 253, 254, 255, 250, 251, 252, 253}, 1, -1, 59, 0, 0, 299, 9}));
    EXPECT_EQ(s.Specials, s.Wandering);
    EXPECT_EQ(Column(s.Wandering, &OutdoorEncounter::CannotFlee), Ints(0, 1, 0, 1));
    EXPECT_EQ(Column(s.Wandering, &OutdoorEncounter::Forced), Ints(0, 0, 1, 1));
    // In the little-endian files a special encounter's flag is its first byte only; and no flag
    // survives from the section read before.
    GameLayoutBuilder stray = Builder();
    Lay(stray.Section(0, 0).record, sec.WanderingAt(0), "@16 0x010Bw");
    Lay(stray.Section(0, 0).record, sec.SpecialAt(0), "@16 0x010Bw");
    const auto image = stray.Build();
    FilePos pos = static_cast<FilePos>(stray.SectionPos(0, 0));
    ReadOutdoorSectionV1(all, ByteReader(image), 0, 0, pos, Format());
    const OutdoorEncounter* w = s.Wandering.data();
    const OutdoorEncounter* sp = s.Specials.data();
    EXPECT_EQ(Ints(w[0].CannotFlee, w[0].Forced, sp[0].CannotFlee, sp[0].Forced, w[3].CannotFlee,
                   w[3].Forced, sp[3].CannotFlee, sp[3].Forced),
              Ints(0, 0, !Big(), !Big(), 0, 0, 0, 0));

    // A section outside the world is refused and the others are left alone; 65536 and -65536
    // are 0 once cut to 16 bits.
    const OutdoorSection before = s;
    for (const auto& place :
         {std::pair{1, 0}, {0, 1}, {-1, 0}, {65536, 0}, {0, 65536}, {-65536, 0}}) {
        const int x = place.first;
        const int y = place.second;
        pos = static_cast<FilePos>(stray.SectionPos(0, 0));
        EXPECT_EQ(
            ErrorOf([&] { ReadOutdoorSectionV1(all, ByteReader(image), x, y, pos, Format()); }), 9)
            << "section " << x << "," << y;
        EXPECT_TRUE(s == before) << "section " << x << "," << y;
    }
}

INSTANTIATE_BYTE_ORDERS(GameSectionTest);
