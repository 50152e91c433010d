// The main window's map view, terrain palette and selected-terrain box, and the menu commands
// that show them.
#include "editor/CursorPictures.h"
#include "editor/MapToolHost.h"
#include "editor/RecordEditorOpeners.h"
#include "editor/frmMain.h"

#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "map/MapCells.h"
#include "map/MapView.h"
#include "map/TerrainPalette.h"
#include "map/render/MapRenderer.h"
#include "map/tools/ToolDispatch.h"
#include "map/tools/ToolTable.h"
#include "platform/qt/EventPass.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/Scenario.h"
#include "scenario/tables/EditorTables.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
// The keypad key 1..9 of a key press, whether the keypad sends digits or, with Num Lock off,
// the movement keys printed beside them; 0 for any other key.
int KeypadDigit(const QKeyEvent& event) {
    if (!(event.modifiers() & Qt::KeypadModifier)) return 0;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    switch (key) {
    case Qt::Key_End:
        return 1;
    case Qt::Key_Down:
        return 2;
    case Qt::Key_PageDown:
        return 3;
    case Qt::Key_Left:
        return 4;
    case Qt::Key_Clear:
        return 5;
    case Qt::Key_Right:
        return 6;
    case Qt::Key_Home:
        return 7;
    case Qt::Key_Up:
        return 8;
    case Qt::Key_PageUp:
        return 9;
    default:
        return 0;
    }
}

// Sets a flag for the life of a scope, so that a failed paint cannot leave it set.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
};
} // namespace

void frmMain::picMap_Paint() {
    // A paint asked for while one runs is dropped, not queued.
    if (MapPainting) return;
    FlagScope painting(MapPainting);
    const auto [x, y] = CenterLabelNumbers();
    lblMapcell[1]->setText(QString("X: %1").arg(x));
    lblMapcell[2]->setText(QString("Y: %1").arg(y));
    if (const auto size = MapPictureSize()) picMap->ResizePixels(size->X, size->Y);
    picMap->Clear();
    if (Map.ZoomView)
        DrawMapView(picMap->surface());
    else
        DrawWholeMap(picMap->surface());
}

void frmMain::picMap_KeyDown(const QKeyEvent& event) {
    if (!Map.ZoomView) return;
    if (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return;
    const auto centre = ScrolledCenter(KeypadDigit(event));
    if (!centre) return;
    Map.MapCenter = *centre;
    DoEvents();
    picMap_Paint();
    picMap->setFocus();
}

void frmMain::picMap_MouseMove(Qt::MouseButtons buttons, ViewCell cell) {
    // Moves within one cell change nothing, the labels included.
    if (cell == Map.MouseCell) return;
    Map.MouseCell = cell;
    Map.CellPixelSize = ViewCellSize();
    const auto [labelX, labelY] = MouseLabelNumbers(cell);
    lblMapcell[4]->setText(QString("X: %1").arg(labelX));
    lblMapcell[5]->setText(QString("Y: %1").arg(labelY));
    ContinueStroke(buttons == Qt::LeftButton, *ToolHostImpl);
}

void frmMain::RebuildAndRedraw() {
    BuildMapCells();
    picMap_Paint();
}

void frmMain::RefreshTerrainPalette() {
    picTerrain_Paint();
}

void frmMain::RefreshSelTerrain() {
    picSelTerrain_Paint();
}

void frmMain::SelectDrawTerrainTool() {
    CurrentTool = 0;
    lblTool[0]->setText(ToQString(ToolCaptions[0][kToolCaptionColumn]));
    lblTool[1]->setText(ToQString(ToolCaptions[0][kToolPromptColumn]));
    picMap->setCursor(CursorFromPicture(frmPics.iconPencil));
    picMap->setFocus();
}

void frmMain::picTerrain_Paint() {
    Surface& palette = picTerrain->surface();
    for (int t = 0; t < 256; ++t) {
        const TerrainType& type = Scen.TerrainTypes[static_cast<std::size_t>(t)];
        const PixelPoint place = PaletteTerrainPlace(t);
        const auto x = static_cast<std::int16_t>(place.X);
        const auto y = static_cast<std::int16_t>(place.Y);
        DrawTerrainPicSmall(palette, type.Picture, x, y);
        DrawTerDispIcon(palette, PaletteIconOf(type),
                        static_cast<std::int16_t>(x + kIconInPaletteTile.X),
                        static_cast<std::int16_t>(y + kIconInPaletteTile.Y));
    }
}

void frmMain::picTerrain_MouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton) return;
    const auto terrain = PaletteTerrainAt(x, y);
    if (!terrain) return;
    if (TerrainEditMode == 1) {
        Map.SelectedTerrain = *terrain;
        OpenTerrainTypeEditor(*terrain);
        // The editor may have changed the terrain's picture or its icon.
        picTerrain_Paint();
        picTerrain->Refresh();
        DoEvents();
        return;
    }
    if (ChoosePaletteTerrain(*terrain, CurrentTool)) SelectDrawTerrainTool();
    picSelTerrain_Paint();
    picSelTerrain->Refresh();
    picMap->setFocus();
}

void frmMain::picTerrain_MouseMove(int x, int y) {
    if (const auto terrain = PaletteTerrainAt(x, y))
        picTerrain->setToolTip(ToQString(PaletteToolTip(*terrain)));
}

void frmMain::picSelTerrain_Paint() {
    const TerrainType& type = Scen.TerrainTypes[Map.SelectedTerrain];
    Surface& box = picSelTerrain->surface();
    DrawTerrainPic(box, type.Picture, 0, 0);
    DrawTerDispIcon(box, PaletteIconOf(type), kIconInTile.X, kIconInTile.Y);
}

void frmMain::picSelTerrain_Click() {
    picMap->setFocus();
}

void frmMain::ShowMapEditor(bool outdoors) {
    static_assert(kToolButtonCount == kMapToolCount);
    for (int i = 0; i < kToolButtonCount; ++i)
        cmdTool[static_cast<std::size_t>(i)]->setVisible(ToolShownIn(i, outdoors));
    frmTools->show();
    for (QLabel* label : lblMapcell)
        label->show();
    picSelTerrain->show();
    for (QLabel* label : lblTool)
        label->show();
}

void frmMain::mnuOutEdit_Click() {
    HideMapEditor();
    Map.EditMode = kEditOutdoors;
    RebuildAndRedraw();
    picMap->show();
    RefreshTerrainPalette();
    picTerrain->show();
    RefreshSelTerrain();
    ShowMapEditor(true);
    SelectDrawTerrainTool();
}

void frmMain::mnuTownEdit_Click() {
    HideMapEditor();
    Map.EditMode = Scen.Towns.at(Scen.CurrentTown).Size;
    RebuildAndRedraw();
    RefreshTerrainPalette();
    RefreshSelTerrain();
    picMap->show();
    picTerrain->show();
    ShowMapEditor(false);
    SelectDrawTerrainTool();
}

void frmMain::mnuScenTerrain_Click() {
    HideMapEditor();
    TerrainEditMode = 1;
    picTerrain->show();
    picTerrain_Paint();
}
