// The map tools: one mouse-move of a large-brush drag, with every written cell redrawn, beside
// one full repaint of the zoomed view. The drag crosses the whole width of a 64 x 64 town one
// cell per move, in the whole view (every cell shown) and across the detail view. Every crossing
// starts on the unpainted town, so that each move paints over grass and wall pieces and rejoins
// the walls it meets, as a first stroke does.
#include "graphics/GraphicsSheets.h"
#include "map/MapCells.h"
#include "map/MapView.h"
#include "map/ToolHost.h"
#include "map/render/MapRenderer.h"
#include "map/tools/ToolDispatch.h"
#include "map/tools/ToolState.h"
#include "platform/core/ProgramPaths.h"
#include "platform/qt/Surface.h"
#include "scenario/NewScenario.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"

#include <benchmark/benchmark.h>

namespace {
// Draws every written cell where the view shows it, as the main window does.
class DrawingHost : public ToolHost {
  public:
    explicit DrawingHost(Surface& pic) : pic_(pic) {}
    void RedrawCell(int x, int y) override {
        if (const auto place = CellPlaceInView(x, y)) DrawMapCell(pic_, place->X, place->Y, x, y);
    }
    void RedrawView() override { DrawMapView(pic_); }
    void SelectDrawTerrainTool() override {}
    void ShowToolPrompt(const std::string&) override {}
    void SetMapCursor(ToolCursor) override {}
    void RefreshSelTerrain() override {}
    void PassEvents() override {}
    void PlaceSign(int, int) override {}
    void PlaceTownEntrance(int, int) override {}
    void EditAreaRect(int) override {}
    void EditPresetItem(int) override {}
    void EditTownCreature(int) override {}
    void EditSign(int) override {}
    int EditSpecialNode(int node, int) override { return node; }
    void SetSpecial(int) override {}
    void SetTownEntrance(int) override {}
    void ReplaceTerrain() override {}

  private:
    Surface& pic_;
};

// A large town of grass with wall pieces of every style strewn over it, so that the brush
// rejoins walls as it goes.
const TerrainGrid& UnpaintedTown() {
    static const TerrainGrid town = [] {
        SetProgramFolderForTesting(VARNO_APP_DIR);
        LoadGraphics();
        InitCommonTables();
        Scen = Scenario{};
        Scen.TownCount = 1;
        Scen.OutdoorWidth = Scen.OutdoorHeight = 1;
        Scen.OutdoorSections = OutdoorGrid(1, 1);
        ClearOutdoorSection(Scen, 0, 0);
        CreateTown(Scen, 0, "Brush", 0, 0);
        for (std::size_t i = 0; i < Scen.TerrainTypes.size(); ++i) {
            Scen.TerrainTypes[i].TerrainSet = TerrainSetOf(static_cast<int>(i));
            Scen.TerrainTypes[i].Picture = static_cast<std::int16_t>(i);
        }
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                Scen.Towns[0].Terrain.At(x, y) =
                    static_cast<std::uint8_t>((x * 7 + y * 3) % 11 == 0 ? 5 + (x + y) % 58 : 2);
        return Scen.Towns[0].Terrain;
    }();
    return town;
}

// Puts the unpainted town back, with its grid and its picture as the view shows it.
void RestoreTown(Surface& pic) {
    Scen.Towns[0].Terrain = UnpaintedTown();
    Map.EditMode = kEditLargeTown;
    BuildMapCells();
    pic.Clear();
    DrawMapView(pic);
}

// One move per iteration, the pointer crossing the row of the view's middle cell. The press
// on the first cell of each crossing, and the town's restoring before it, are not timed.
void DragMoves(benchmark::State& state, bool zoom) {
    UnpaintedTown();
    Map.ZoomView = zoom;
    Tools.CurrentTool = 1;
    Map.SelectedTerrain = Map.PaintTerrain = 70;
    const auto size = MapPictureSize();
    Surface pic(size->X, size->Y);
    DrawingHost host(pic);
    const CellSize cell = ViewCellSize();
    const int cells = zoom ? 9 : 64;
    const int row = (zoom ? 4 : 32) * cell.Height + 1;
    int next = cells; // the first iteration starts a crossing
    for (auto _ : state) {
        if (next == cells) {
            state.PauseTiming();
            RestoreTown(pic);
            MapMouseDown(true, ViewCellAtPixel(1, row), host);
            state.ResumeTiming();
            next = 1;
        }
        Map.MouseCell = ViewCellAtPixel(next * cell.Width + 1, row);
        ContinueStroke(true, host);
        benchmark::DoNotOptimize(pic.Pixels().constBits());
        ++next;
    }
}

void BM_LargeBrushMoveWholeView(benchmark::State& state) {
    DragMoves(state, false);
}
BENCHMARK(BM_LargeBrushMoveWholeView);

void BM_LargeBrushMoveDetailView(benchmark::State& state) {
    DragMoves(state, true);
}
BENCHMARK(BM_LargeBrushMoveDetailView);

void BM_ZoomedFullRepaint(benchmark::State& state) {
    UnpaintedTown();
    Map.ZoomView = true;
    Surface pic(256, 328);
    RestoreTown(pic);
    for (auto _ : state) {
        pic.Clear();
        DrawMapView(pic);
        benchmark::DoNotOptimize(pic.Pixels().constBits());
    }
}
BENCHMARK(BM_ZoomedFullRepaint);
} // namespace

BENCHMARK_MAIN();
