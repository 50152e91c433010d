#include "support/GameLayoutFixture.h"

namespace {
class GameHostileInputTest : public GameLayoutTest {};
} // namespace

// Each part is read from its own bytes: one byte short of them, the section, the town and its
// dialogue fail even where the next part's bytes follow.
TEST_P(GameHostileInputTest, EveryCutIsAReadPastTheEndAndAPartReadsNothingBeyondItsOwnBytes) {
    // A small world with something in every list and text table.
    GameLayoutBuilder b = Builder();
    b.texts[0] = "name";
    b.texts[260] = "x";
    GameSectionBuilder& sec = b.Section(0, 0);
    sec.Spot(0, 1, 1, 1);
    sec.Entrance(0, 2, 2, 0);
    sec.texts[0] = "sec";
    sec.texts[108] = "y";
    GameTownBuilder& t = b.Town(0);
    t.Spot(0, 3, 3, 3);
    Lay(t.record, t.ItemAt(0), "4 4 5w -1w");
    Lay(t.record, t.FieldAt(0), "5 5 3w");
    Lay(t.record, t.CreatureAt(0), "1");
    t.texts[0] = "town";
    t.texts[139] = "sign";
    t.talkTexts[0] = "who";
    t.talkTexts[169] = "huh";
    const auto image = b.Build();
    ASSERT_EQ(ReadError(image), 0);
    Scenario s;
    FilePos headerEnd = 1;
    ReadScenHeaderV1(s, ByteReader(image), headerEnd, Format(), towns);
    // Text 260 is only stepped over: a cut inside it is left for the first section to find.
    // Every length near the fields that are read one by one; a sample of the long runs.
    const auto textsEnd = static_cast<std::size_t>(headerEnd) - 2;
    for (std::size_t length = 0; length < textsEnd;
         length += length < 500 || length > 81000 ? 1 : 97)
        ASSERT_EQ(ReadError(std::span(image.data(), length)), 62) << "cut at " << length;
    // The header is read once; the same section and town readers then meet every cut.
    s.OutdoorSections = OutdoorGrid(1, 1);
    s.Towns.resize(1);
    s.TownTalks.resize(1);
    for (auto length = static_cast<std::size_t>(headerEnd - 1); length < image.size(); ++length) {
        const ByteReader cut(std::span(image.data(), length));
        FilePos pos = headerEnd;
        ASSERT_EQ(ErrorOf([&] {
                      ReadOutdoorSectionV1(s, cut, 0, 0, pos, Format());
                      ReadTownV1(s, cut, 0, pos, Format(), towns);
                  }),
                  62)
            << "cut at " << length;
    }

    ByteSource source(ByteReader(image).Slice(headerEnd, image.size()).Bytes(), headerEnd);
    const ByteReader section = source.Take(OutdoorSectionV1Extent(source));
    const ByteReader town = source.Take(TownV1Extent(source, 0, towns));
    const ByteReader talk = source.Take(TownTalkV1Extent(source));
    ASSERT_EQ(talk.End(), static_cast<FilePos>(image.size()) + 1);
    for (std::size_t less : {0, 1}) {
        const auto part = [less](const ByteReader& r) {
            return r.Slice(r.First(), static_cast<std::size_t>(r.Size()) - less);
        };
        EXPECT_EQ(Ints(ErrorOf([&] { ReadOutdoorSectionV1(s, part(section), 0, 0, Format()); }),
                       ErrorOf([&] { ReadTownV1(s, part(town), 0, Format(), towns); }),
                       ErrorOf([&] { ReadTownTalkV1(s, part(talk), 0, Format()); })),
                  less ? Ints(62, 62, 62) : Ints(0, 0, 0));
    }
}

INSTANTIATE_BYTE_ORDERS(GameHostileInputTest);
