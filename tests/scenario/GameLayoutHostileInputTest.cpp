#include "scenario/GameLayout.h"

#include "platform/RuntimeError.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/GameLayoutBuilder.h"

#include <gtest/gtest.h>

namespace {
class GameHostileInputTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
    }

    int Format() const { return GetParam() ? 1 : 0; }

    // A small world with something in every list and text table.
    GameLayoutBuilder Sample() const {
        GameLayoutBuilder b(GetParam(), 1, 1, {2});
        b.texts[0] = "name";
        b.texts[260] = "x";
        GameSectionBuilder& sec = b.Section(0, 0);
        sec.Spot(0, 1, 1, 1);
        sec.Entrance(0, 2, 2, 0);
        sec.texts[0] = "sec";
        sec.texts[108] = "y";
        GameTownBuilder& town = b.Town(0);
        town.Spot(0, 3, 3, 3);
        town.Item(0, 4, 4, 5, -1, 0, 0, 0);
        town.Field(0, 5, 5, 3);
        GameCreature c;
        c.monster = 1;
        town.Creature(0, c);
        town.texts[0] = "town";
        town.texts[139] = "sign";
        town.talkTexts[0] = "who";
        town.talkTexts[169] = "huh";
        return b;
    }

    // The error number that reading the whole image raises, or 0 when it reads.
    int ReadError(std::span<const std::uint8_t> image) const {
        try {
            Scenario s;
            ReadScenarioImageV1(s, image, Format());
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
};
} // namespace

TEST_P(GameHostileInputTest, EveryCutOfSectionsAndTownsIsAReadPastTheEnd) {
    const GameLayoutBuilder b = Sample();
    const auto image = b.Build();
    ASSERT_EQ(ReadError(image), 0);
    Scenario s;
    GameTownTables towns;
    FilePos headerEnd = 1;
    ReadScenHeaderV1(s, ByteReader(image), headerEnd, Format(), towns);
    s.OutdoorSections = OutdoorGrid(1, 1);
    s.Towns.resize(1);
    s.TownTalks.resize(1);
    // The header is read once; the same section and town readers then meet every cut.
    for (auto length = static_cast<std::size_t>(headerEnd - 1); length < image.size(); ++length) {
        const ByteReader cut(std::span(image.data(), length));
        int error = 0;
        try {
            FilePos pos = headerEnd;
            ReadOutdoorSectionV1(s, cut, 0, 0, pos, Format());
            ReadTownV1(s, cut, 0, pos, Format(), towns);
        } catch (const RuntimeError& e) {
            error = e.number();
        }
        ASSERT_EQ(error, 62) << "cut at " << length;
    }
}

TEST_P(GameHostileInputTest, AWholeFileCutShortIsAReadPastTheEnd) {
    const auto image = Sample().Build();
    for (std::size_t length : {std::size_t{0}, std::size_t{4}, std::size_t{17}, std::size_t{3200},
                               std::size_t{81142}, image.size() - 1})
        EXPECT_EQ(ReadError(std::span(image.data(), length)), 62) << "cut at " << length;
}

TEST_P(GameHostileInputTest, RandomDamageEndsInAnErrorOrAModel) {
    const auto image = Sample().Build();
    const std::size_t bodyStart = 81142 - 400; // damage the header's end and everything after
    std::uint32_t state = 2024;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int round = 0; round < 300; ++round) {
        auto bad = image;
        for (int k = 0; k < 12; ++k) {
            const std::size_t at =
                k < 2 ? next() % bodyStart : bodyStart + next() % (bad.size() - bodyStart);
            bad[at] = static_cast<std::uint8_t>(next());
        }
        const int error = ReadError(bad);
        EXPECT_TRUE(error == 0 || error == 6 || error == 9 || error == 62) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, GameHostileInputTest, ::testing::Bool(), [](const auto& info) {
    return info.param ? "BigEndian" : "LittleEndian";
});
