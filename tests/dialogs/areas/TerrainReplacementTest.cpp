#include "dialogs/areas/TerrainReplacement.h"
#include "AreaDialogTest.h"
#include "dialogs/areas/frmReplaceTerrain.h"
#include "map/MapCells.h"
#include "map/MapState.h"
#include "platform/qt/QtText.h"

namespace {
constexpr std::uint8_t kFrom = 7, kTo = 9;

class TerrainReplacementTest : public AreaDialogTest {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(3, 3, 2, 51);
        Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 1;
        Scen.CurrentTown = 1, Scen.Towns[1].Size = 2;
        Scen.Towns[1].Terrain = TerrainGrid(TownSide(2));
        for (auto* grid : {&section().Terrain, &Scen.Towns[1].Terrain})
            std::fill(grid->Cells().begin(), grid->Cells().end(), std::uint8_t{1});
        // The neighbouring sections, shown in the grid's border ring, hold the terrain too.
        for (auto [x, y] : {std::pair{0, 1}, {2, 1}, {1, 0}, {1, 2}})
            std::fill(Scen.OutdoorSections.At(x, y).Terrain.Cells().begin(),
                      Scen.OutdoorSections.At(x, y).Terrain.Cells().end(), kFrom);
    }
    void Edit(std::int16_t mode) {
        Map.EditMode = mode;
        BuildMapCells();
    }
    OutdoorSection& section() { return Scen.OutdoorSections.At(1, 1); }

    // Counts the draws and answers them in turn from the script, repeating its last answer.
    PercentDraw Script(std::vector<int> answers) {
        return [this, answers] {
            const std::size_t i = std::min(draws.size(), answers.size() - 1);
            draws.push_back(answers[i]);
            return answers[i];
        };
    }
    std::vector<int> draws;
};
} // namespace

TEST_F(TerrainReplacementTest, OneDrawPerMatchingCellInColumnOrder) {
    Edit(kEditSmallTown);
    TerrainGrid& town = Scen.Towns[1].Terrain;
    const Location cells[] = {{0, 5}, {3, 0}, {3, 31}, {31, 31}};
    for (Location at : cells)
        town.At(at.X, at.Y) = kFrom;
    const TerrainGrid before = town;
    // The percentage and the draws answered; then the draws made (one per matching cell,
    // whatever the outcome) and the four cells as stored and as the map grid shows them.
    const std::pair<int, std::vector<int>> cases[] = {{100, {99}}, {0, {0}}, {50, {49, 50, 0, 99}}};
    std::vector<int> seen;
    for (const auto& [percent, answers] : cases) {
        draws.clear();
        ReplaceTerrainRandomly(Scen, kFrom, kTo, percent, Script(answers));
        seen.push_back(static_cast<int>(draws.size()));
        for (Location at : cells)
            seen.insert(seen.end(), {town.At(at.X, at.Y), Map.MapCells.At(at.X, at.Y).Terrain});
        town = before;
        BuildMapCells();
    }
    EXPECT_EQ(seen,
              Ints(4, kTo, kTo, kTo, kTo, kTo, kTo, kTo, kTo, 4, kFrom, kFrom, kFrom, kFrom, kFrom,
                   kFrom, kFrom, kFrom, 4, kTo, kTo, kFrom, kFrom, kTo, kTo, kFrom, kFrom));
}

TEST_F(TerrainReplacementTest, OutdoorsCoversTheWholeSectionButNeverTheBorderRing) {
    Edit(kEditOutdoors);
    section().Terrain.At(0, 0) = section().Terrain.At(47, 47) = kFrom;
    const MapCellGrid before = Map.MapCells;
    ASSERT_EQ(before.At(0, 10).Terrain, kFrom) << "the border shows the neighbour's terrain";
    EXPECT_EQ(ReplaceTerrainRandomly(Scen, kFrom, kTo, 100, Script({0})), 2);
    EXPECT_EQ(Ints(section().Terrain.At(47, 47), Map.MapCells.At(1, 1).Terrain,
                   Map.MapCells.At(48, 48).Terrain),
              Ints(kTo, kTo, kTo));
    for (int i = 0; i < 50; ++i)
        for (auto [x, y] : {std::pair{0, i}, {49, i}, {i, 0}, {i, 49}})
            EXPECT_EQ(Map.MapCells.At(x, y).Terrain, before.At(x, y).Terrain) << x << "," << y;
    EXPECT_EQ(Scen.OutdoorSections.At(1, 0).Terrain.At(0, 47), kFrom);
}

TEST_F(TerrainReplacementTest, DialogStartsAtTerrainZeroAndChecksThePercentage) {
    Edit(kEditSmallTown);
    Scen.Towns[1].Terrain.At(2, 2) = 0;
    TerrainGrid want = Scen.Towns[1].Terrain;
    for (bool ok : {true, false}) { // each opening starts afresh; Cancel changes nothing
        Open<frmReplaceTerrain>([&](frmReplaceTerrain& d) {
            // No choice until the author's.
            EXPECT_EQ(Shown({d.lstTerrain[0], d.lstTerrain[1], d.txtPct}),
                      QStringList({"", "", "100"}));
            EXPECT_EQ(FromQString(d.lstTerrain[0]->itemText(kFrom)), Scen.TerrainTypes[kFrom].Name);
            TypeInto(d.txtPct, "101", false);
            EXPECT_EQ(boxes.Texts().back(), "Percentage must be between 0 and 100.");
            QTest::keyClick(d.txtPct, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible()) << "OK waits for an accepted entry";
            TypeInto(d.txtPct, "100");
            ChooseRow(d.lstTerrain[1], kTo);
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        want.At(2, 2) = kTo; // terrain 0 is the untouched from-list
        EXPECT_EQ(Scen.Towns[1].Terrain, want);
    }
    EXPECT_EQ(boxes.Calls().size(), 2u);
}

// A click on OK takes the focus from a box holding a rejected percentage, which gets its last
// good value back, and the replacement is made with that.
TEST_F(TerrainReplacementTest, AClickOnOkOverARejectedPercentageReplacesWithTheLastGoodOne) {
    Edit(kEditSmallTown);
    Scen.Towns[1].Terrain.At(2, 2) = 0;
    Open<frmReplaceTerrain>([](frmReplaceTerrain& d) {
        ChooseRow(d.lstTerrain[1], kTo);
        Type(d.txtPct, "101");
        Click(d.cmdOK);
        EXPECT_EQ(d.txtPct->text(), "100");
    });
    EXPECT_EQ(Scen.Towns[1].Terrain.At(2, 2), kTo);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Percentage must be between 0 and 100."});
}
