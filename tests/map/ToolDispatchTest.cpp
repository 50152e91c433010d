#include "map/tools/ToolDispatch.h"
#include "map/MapFixture.h"
#include "map/MapView.h"

namespace {
class ToolDispatchTest : public MapFixture {
  protected:
    // A town whose detail view shows cells 0..8 from the pixel (0, 0).
    static void ViewedTown() {
        BlankTown();
        Map.MapCenter = {4, 4};
        Map.EraseTerrain = 2;
    }
    void Press(int px, int py) { MapMouseDown(true, ViewCellAtPixel(px, py), host); }
    void PressCell(int x, int y) { Press(x * 28, y * 36); }
    // A move with the left button held onto the view cell under (px, py).
    void Drag(int px, int py) {
        Map.MouseCell = ViewCellAtPixel(px, py);
        ContinueStroke(true, host);
    }
};

TEST_F(ToolDispatchTest, PressesActOnTheCellUnderThePointerAndNeverBeyondTheDrawnCells) {
    ViewedTown();
    Map.SelectedTerrain = 3;
    // The 4-pixel margin right of and below the cells, and pixels left of or above the picture,
    // give no cell, though the grid goes on beyond the view.
    for (const auto& [px, py] : CellSet{{0, 0},
                                        {251, 323},
                                        {9 * 28, 10},
                                        {10, 9 * 36 + 3},
                                        {-1, 10},
                                        {10, -1},
                                        {-40, -40},
                                        {400, 400}})
        Press(px, py);
    EXPECT_EQ(PaintedCells(), (CellSet{{0, 0}, {8, 8}}));
    BlankSection(); // the whole view of a section starts at its first cell inside the border
    Map.ZoomView = false;
    Press(0, 0);
    Press(48 * 6, 5); // the margin right of the 48 cells
    EXPECT_EQ(Str(PaintedCells().size()) + " " + Painted(0, 0, 3, 2), "197 ####/##../#...");
    // In the detail view the border ring takes no tool.
    BlankSection();
    Map.ZoomView = true;
    Map.MapCenter = {4, 4};
    Tools.CurrentTool = 49;
    Press(28 + 5, 36 + 5);
    Press(5, 5); // grid cell (0, 0)
    EXPECT_EQ(Scen.StartOutdoorLoc, (Location{0, 0}));
}

TEST_F(ToolDispatchTest, TheStrokeTerrainIsChosenAtThePress) {
    // The tool, the cell's terrain, the selected terrain and the stroke's.
    const std::tuple<const char*, int, int, int, int> cases[] = {
        {"same terrain clears", 0, 3, 3, 2},         {"other terrain paints", 0, 4, 3, 3},
        {"same wall style clears", 0, 5, 14, 2},     {"a wall ornament is put down", 0, 5, 13, 13},
        {"another wall style paints", 0, 5, 22, 22}, {"other tools take the selection", 1, 3, 3, 3},
    };
    for (const auto& [name, tool, cellTerrain, selected, expected] : cases) {
        ViewedTown();
        Tools.CurrentTool = static_cast<std::int16_t>(tool);
        Map.SelectedTerrain = static_cast<std::uint8_t>(selected);
        Map.MapCells.At(4, 4).Terrain = static_cast<std::uint8_t>(cellTerrain);
        Map.MouseCell = {4, 4};
        EXPECT_EQ(ChoosePaintTerrain(), expected) << name;
    }
    // Beyond the grid nothing is read and nothing matches.
    Map.MouseCell = {9, 0};
    Map.SelectedTerrain = 0;
    EXPECT_EQ(ChoosePaintTerrain(), 0);
}

TEST_F(ToolDispatchTest, DragsRepeatTheBrushesAndKeepThePressTerrain) {
    ViewedTown();
    Map.SelectedTerrain = 3;
    Map.MapCells.At(0, 0).Terrain = 3;
    Press(5, 5); // clears (0, 0): the stroke keeps clearing
    // The next cell; off the picture and onto the margin: nothing; then in again.
    for (const int px : {30, -30, 300, 60})
        Drag(px, 5);
    EXPECT_EQ(Picture(0, 0, 3, 1, [](const MapCell& c) { return '0' + c.Terrain; }), "2220/0000");
    // Tools beyond 4 do not repeat, nor do sign terrains, nor a drag without the left button.
    ViewedTown();
    Tools.CurrentTool = 9;
    PressCell(2, 2);
    Drag(6 * 28, 6 * 36);
    Tools.CurrentTool = 0;
    Scen.TerrainTypes[40].SpecialProperty = 11;
    Map.SelectedTerrain = Map.PaintTerrain = 40;
    Drag(8 * 28, 8 * 36);
    Map.SelectedTerrain = Map.PaintTerrain = 3;
    Map.MouseCell = {7, 7};
    ContinueStroke(false, host);
    EXPECT_EQ(Painted(0, 0, 8, 8), "#####..../#####..../#####..../#####..../#####..../"
                                   "........./........./........./.........");
}

TEST_F(ToolDispatchTest, TheEyedropperPicksAndABusyToolIsNotRunAgainDuringItsDialog) {
    ViewedTown();
    Map.MapCells.At(2, 2).Terrain = 40;
    Scen.TerrainTypes[40].SpecialProperty = 11;
    Tools.CurrentTool = 5;
    PressCell(2, 2);
    EXPECT_TRUE(Map.SelectedTerrain == 40 && host.selTerrainRefreshes == 1 &&
                Tools.CurrentTool == 0);
    // The next click paints: a sign, whose dialog sees a click, a drag and a double click of
    // its own come to nothing; the sign terrain is still what goes down.
    host.onDialog = [this] { PressCell(6, 6), Drag(7 * 28, 7 * 36), MapDoubleClick(true, host); };
    PressCell(3, 3);
    EXPECT_EQ(host.opened, Strings{"sign at 3,3"});
    EXPECT_EQ(PaintedCells(), (CellSet{{2, 2}, {3, 3}}));
    EXPECT_EQ(Map.PaintTerrain, 40);
    EXPECT_FALSE(Tools.Busy);
    host.onDialog = nullptr;
    PressCell(6, 6); // free again afterwards
    EXPECT_EQ(PaintedCells().size(), 3u);
}

TEST_F(ToolDispatchTest, ButtonsVisibilityPlacesCursorsAndTheSignRule) {
    for (int tool = 0; tool < kMapToolCount; ++tool) {
        EXPECT_EQ(ToolShownIn(tool, false), tool <= 18 || tool >= 20) << tool;
        EXPECT_EQ(ToolShownIn(tool, true), tool <= 19 || tool == 49) << tool;
    }
    // Every place of the 8 x 7 grid holds one button but the three empty ones.
    CellSet places;
    for (const ToolInfo& t : MapTools())
        places.emplace(t.Row, t.Column);
    EXPECT_EQ(places.size(), 53u);
    for (const auto& empty : {std::pair{2, 7}, std::pair{3, 6}, std::pair{5, 6}})
        EXPECT_FALSE(places.contains(empty));
    EXPECT_EQ((std::vector{MapTools()[8].Cursor, MapTools()[13].Cursor, MapTools()[6].Cursor}),
              (std::vector{ToolCursor::Unchanged, ToolCursor::Unchanged, ToolCursor::Area1}));
    Scen.TerrainTypes[40].SpecialProperty = 21;
    Map.SelectedTerrain = 40;
    EXPECT_EQ((std::vector{ToolForButton(1), ToolForButton(2), ToolForButton(3), ToolForButton(4),
                           ToolForButton(5)}),
              (std::vector{0, 0, 0, 0, 5}));
    Map.SelectedTerrain = 3;
    EXPECT_EQ(ToolForButton(3), 3);
}
} // namespace
