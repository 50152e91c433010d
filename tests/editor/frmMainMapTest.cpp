// The map editor of the main window: its views, palette, tools and placements, driven through
// its menu entries and widget events.
#include "dialogs/areas/frmReplaceTerrain.h"
#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/records/frmEditTerrain.h"
#include "graphics/GraphicsSheets.h"
#include "platform/qt/PictureBox.h"
#include "scenario/NewScenario.h"
#include "scenario/ScenarioClearing.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int kSign = 120; // a terrain outside the walls, made a sign

QImage Solid(QRgb colour, QSize size = {4, 4}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class MainWindowMapTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        saved_ = {frmPics.iconPencil, frmPics.iconBrush, frmPics.imgTerDisp};
        frmPics.iconPencil = Solid(qRgb(0, 200, 0));
        frmPics.iconBrush = Solid(qRgb(200, 0, 0));
        Map = MapState{};
        Tools = ToolState{};
        Scen = MakeMinimalScenario();
        CreateTown(Scen, 0, "Large", 0, 0);
        CreateTown(Scen, 1, "Medium", 1, 0);
        Scen.TownCount = 2;
        Scen.OutdoorSections = OutdoorGrid(2, 2);
        for (std::int16_t x = 0; x < 2; ++x)
            for (std::int16_t y = 0; y < 2; ++y)
                ClearOutdoorSection(Scen, x, y);
        Scen.TerrainTypes[40].SpecialProperty = 11; // sign terrains
        Scen.TerrainTypes[kSign].SpecialProperty = 11;
        window->show(); // as start-up leaves it
        window->Form_Activate();
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        std::tie(frmPics.iconPencil, frmPics.iconBrush, frmPics.imgTerDisp) = saved_;
    }
    // Town 0 in the detail view, all terrain 0, view cell (i, j) showing grid cell (i, j).
    void EditTown() {
        window->mnuTownEdit->trigger();
        Scen.Towns[0].Terrain.Cells().assign(64 * 64, 0);
        for (MapCell& cell : Map.MapCells.Cells())
            cell.Terrain = 0;
        Map.MapCenter = {4, 4};
    }

    // Whether the map, the palette, the selected terrain, the tools, a cell label, the tool's
    // caption and the record list are shown, then each tool button: a 1 or 0 each.
    std::string Parts() const {
        std::vector<const QWidget*> parts{
            window->picMap,        window->picTerrain, window->picSelTerrain, window->frmTools,
            window->lblMapcell[5], window->lblTool[0], window->List1};
        parts.insert(parts.end(), window->cmdTool.begin(), window->cmdTool.end());
        std::string shown;
        for (const QWidget* w : parts)
            shown += w->isVisibleTo(window.get()) ? '1' : '0';
        return shown.insert(7, " ");
    }
    QString Labels(int first) const {
        return window->lblMapcell[first]->text() + " " + window->lblMapcell[first + 1]->text();
    }
    void ClickTool(std::size_t tool) { QTest::mouseClick(window->cmdTool[tool], Qt::LeftButton); }
    QRgb CursorColour() const { return window->picMap->cursor().pixmap().toImage().pixel(1, 1); }
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton,
               Qt::MouseButtons held = Qt::NoButton, QWidget* w = nullptr) {
        w = w ? w : window->picMap;
        QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    void Move(QPointF at, QWidget* w = nullptr) { Mouse(QEvent::MouseMove, at, {}, {}, w); }
    void Press(QPointF at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void DragTo(QPointF at) { Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    // A click with the tool on grid cell (x, y).
    void ClickCell(std::size_t tool, int x, int y) {
        ClickTool(tool);
        Press({x * 28 + 5.0, y * 36 + 5.0});
    }
    static int TerrainAt(int x, int y) { return Scen.Towns[0].Terrain.At(x, y); }
    // A double click on grid cell (x, y), given to the window as the system gives it, so that
    // Qt itself turns the second press into the double click that the map receives.
    void DoubleClickCell(int x, int y, Qt::MouseButton button) {
        const QPoint at = window->picMap->mapTo(window.get(), QPoint(x * 28 + 5, y * 36 + 5));
        QTest::mouseDClick(window->windowHandle(), button, {}, at);
    }

  private:
    std::tuple<QImage, QImage, QImage> saved_;
};

TEST_F(MainWindowMapTest, TerrainCommandsShowTheMapPaletteAndTheToolsOfTheArea) {
    // The edit mode, the grid's side, the first labels, the tool, whether the terrain types
    // are edited, and the parts shown.
    const auto view = [this] {
        return std::to_string(Map.EditMode) + " " + std::to_string(Map.MapCells.Side()) + " " +
               Labels(1).toStdString() + " " + std::to_string(window->CurrentTool) + " " +
               std::to_string(window->TerrainEditMode) + " " + Parts();
    };
    Scen.CurrentTown = 1;
    window->mnuTownEdit->trigger();
    EXPECT_EQ(view(),
              "1 48 X: 24 Y: 24 0 0 1111110 " + std::string(19, '1') + '0' + std::string(33, '1'));
    EXPECT_EQ(window->picMap->size(), QSize(256, 328));
    EXPECT_EQ(window->lblTool[0]->text(), "Drawing Mode");
    Scen.CurrentOutdoorX = 1;
    window->mnuOutEdit->trigger();
    EXPECT_EQ(view(), "3 50 X: 24 Y: 24 0 0 1111110 " + std::string(20, '1') +
                          std::string(29, '0') + "1000");
    window->mnuScenTerrain->trigger();
    EXPECT_EQ(view().substr(view().size() - 63), "1 0100000 " + std::string(53, '0'));
}

TEST_F(MainWindowMapTest, TheLabelsFollowThePointerAndTheKeypadScrollsWithinTheLimits) {
    window->mnuOutEdit->trigger(); // centred on grid cell (25, 25)
    Move({4 * 28 + 3, 4 * 36 + 3});
    EXPECT_EQ(Labels(4), "X: 24 Y: 24");
    window->lblMapcell[4]->setText("unchanged");
    Move({4 * 28 + 27, 4 * 36 + 35}); // still the same cell
    EXPECT_EQ(window->lblMapcell[4]->text(), "unchanged");

    window->mnuTownEdit->trigger(); // town 0, 64 cells a side
    // The centre and the first label after each key: keypad 7 with Num Lock off is Home, the
    // digit row is not the keypad; at the limit nothing moves and nothing is repainted; the
    // whole view does not scroll.
    std::string shown;
    const auto key = [&shown, this](Qt::Key key, Qt::KeyboardModifiers held) {
        QTest::keyClick(window->picMap, key, held);
        shown += std::to_string(Map.MapCenter.X) + "," + std::to_string(Map.MapCenter.Y) + " " +
                 Labels(1).toStdString() + "|";
        window->lblMapcell[1]->setText("-");
    };
    key(Qt::Key_6, Qt::KeypadModifier);
    key(Qt::Key_Home, Qt::KeypadModifier);
    key(Qt::Key_6, Qt::KeypadModifier | Qt::ShiftModifier);
    key(Qt::Key_6, Qt::NoModifier);
    Map.MapCenter = {59, 30};
    key(Qt::Key_6, Qt::KeypadModifier);
    key(Qt::Key_5, Qt::KeypadModifier);
    Map.ZoomView = false;
    key(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(shown, "33,32 X: 33 Y: 32|32,31 X: 32 Y: 31|32,31 - Y: 31|32,31 - Y: 31|"
                     "59,30 - Y: 31|32,32 X: 32 Y: 32|32,32 - Y: 32|");
}

TEST_F(MainWindowMapTest, PaletteClicksChooseTheTerrainAndButtonsTheTool) {
    window->mnuTownEdit->trigger();
    QWidget* palette = window->picTerrain;
    const auto terrains = [] {
        return std::array<int, 3>{Map.SelectedTerrain, Map.PaintTerrain, Map.EraseTerrain};
    };
    QTest::mouseClick(palette, Qt::LeftButton, {}, {40, 20});
    EXPECT_EQ(terrains(), (std::array<int, 3>{18, 18, 0}));
    QTest::mouseClick(palette, Qt::RightButton, {}, {0, 0});
    EXPECT_EQ(Map.SelectedTerrain, 18);

    window->CurrentTool = 3;
    QTest::mouseClick(palette, Qt::LeftButton, {}, {3 * 17 + 5, 17 + 5}); // terrain 19
    EXPECT_EQ(window->CurrentTool, 3);
    QTest::mouseClick(palette, Qt::LeftButton, {}, {8 * 17 + 5, 2 * 17 + 5}); // 40, a sign
    EXPECT_EQ(window->CurrentTool, 0);

    Scen.TerrainTypes[5].Name = "Cave wall" + std::string(21, ' ');
    Move({5 * 17 + 8, 8}, palette);
    EXPECT_EQ(palette->toolTip(), "5: Cave wall");

    // In terrain edit mode a click opens the terrain's editor; the palette shows the edit.
    window->mnuScenTerrain->trigger();
    int opened = -1;
    WindowScript script;
    script.When<frmEditTerrain>([&opened](auto& editor) {
        opened = editor.TerrNum;
        Scen.TerrainTypes[2].SpecialProperty = 11; // as if saved by the editor
        editor.close();
    });
    frmPics.imgTerDisp = Solid(qRgb(255, 0, 0), {70, 21});
    const QRgb beforeIcon = window->picTerrain->surface().Pixel(2 * 17 + 1 + 9, 1 + 9);
    QTest::mouseClick(palette, Qt::LeftButton, {}, {2 * 17 + 5, 5}); // terrain 2
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(terrains(), (std::array<int, 3>{2, 40, 0}));
    EXPECT_NE(beforeIcon, 0xFFFF0000u);
    EXPECT_EQ(window->picTerrain->surface().Pixel(2 * 17 + 1 + 9, 1 + 9), 0xFFFF0000u);

    // A button selects its tool, and one-shot buttons leave the tool alone.
    EditTown();
    Map.SelectedTerrain = 0; // no sign
    EXPECT_EQ(window->cmdTool[1]->toolTip(), "Lg. Paint");
    // The tool, its caption and the cursor.
    const auto tool = [this] {
        return std::tuple(int(window->CurrentTool), window->lblTool[0]->text(), CursorColour());
    };
    ClickTool(1);
    EXPECT_EQ(tool(), std::tuple(1, QString::fromStdString(ToolCaptions[1][0]), qRgb(200, 0, 0)));
    // With a sign terrain selected the brushes and sprays give way to Draw Terrain.
    Map.SelectedTerrain = 40;
    ClickTool(3);
    EXPECT_EQ(tool(), std::tuple(0, QString("Drawing Mode"), qRgb(0, 200, 0)));
    // A rectangle's first corner is forgotten by any button.
    ClickCell(6, 1, 1);
    EXPECT_EQ(window->ClickStep, 1);
    EXPECT_EQ(window->lblTool[1]->text(), "Select lower right corner.");
    ClickTool(6);
    EXPECT_EQ(window->ClickStep, 0);

    ClickTool(8); // the whole view, and back
    EXPECT_EQ(std::tuple(Map.ZoomView, window->picMap->size(), window->lblTool[0]->text()),
              std::tuple(false, QSize(388, 388), QString("")));
    ClickTool(8);
    EXPECT_TRUE(Map.ZoomView);
    // The terrain replacement opens its dialog; the map shows the result afterwards.
    script.When<frmReplaceTerrain>([](auto& d) {
        ChooseRow(d.lstTerrain[1], 5);
        Click(d.cmdOK);
    });
    ClickTool(13);
    EXPECT_EQ(window->CurrentTool, 6);
    EXPECT_EQ(std::pair(int(Scen.Towns[0].Terrain.At(63, 0)), int(Map.MapCells.At(63, 0).Terrain)),
              std::pair(5, 5));
}

TEST_F(MainWindowMapTest, PressAndDragPaintTheCellsUnderThePointer) {
    EditTown();
    Map.SelectedTerrain = 3;
    Press({5, 5});
    DragTo({20, 5});     // the same cell: nothing more
    DragTo({28 + 5, 5}); // the next cell
    DragTo({2 * 28 + 5, 5});
    Mouse(QEvent::MouseButtonRelease, {2 * 28 + 5, 5}, Qt::LeftButton);
    Move({4 * 28 + 5, 5});
    EXPECT_EQ(window->lblMapcell[4]->text(), "X: 4");
    // A press with the right button changes nothing.
    Mouse(QEvent::MouseButtonPress, {5, 80}, Qt::RightButton, Qt::RightButton);
    Press({28 + 5, 4 * 36 + 5});
    DragTo({-0.4, 4 * 36 + 5.0}); // rounds down to the cell left of the picture
    Mouse(QEvent::MouseButtonRelease, {-0.4, 4 * 36 + 5.0}, Qt::LeftButton);
    EXPECT_EQ((std::vector<int>{TerrainAt(0, 0), TerrainAt(1, 0), TerrainAt(2, 0), TerrainAt(4, 0),
                                TerrainAt(1, 4), TerrainAt(0, 4), TerrainAt(0, 2)}),
              (std::vector<int>{3, 3, 3, 0, 3, 0, 0}));
    // The large brush from a button, then a press in the middle of the view: the disc around
    // (4, 4) covers the third of the first cells.
    ClickCell(1, 4, 4);
    EXPECT_EQ(std::ranges::count(Scen.Towns[0].Terrain.Cells(), 3), 69 + 2);
}

TEST_F(MainWindowMapTest, ADoubleClickRunsTheToolOnceMoreWithTheEraseTerrain) {
    // The tool and the button of a double click on cell (3, 2), with terrain 3 chosen in the
    // palette (erase terrain 2); then the terrain of the cells (2..4, 1..3) and the tool after.
    const std::tuple<const char*, int, Qt::MouseButton, const char*, int> rows[] = {
        {"draw terrain takes back its click", 0, Qt::LeftButton, "000/020/000", 0},
        {"a brush clears what it painted", 2, Qt::LeftButton, "222/222/222", 2},
        {"a rectangle ends on its first corner", 7, Qt::LeftButton, "000/020/000", 0},
        {"the right button does nothing", 0, Qt::RightButton, "000/000/000", 0},
        {"the arrival points take a cell twice", 12, Qt::LeftButton, "000/000/000", 12},
    };
    for (const auto& [name, tool, button, cells, toolAfter] : rows) {
        EditTown();
        QTest::mouseClick(window->picTerrain, Qt::LeftButton, {}, {3 * 17 + 5, 5});
        ClickTool(static_cast<std::size_t>(tool));
        DoubleClickCell(3, 2, button);
        std::string shown;
        for (int y = 1; y <= 3; ++y)
            for (int x = 2; x <= 4; ++x)
                shown += std::to_string(TerrainAt(x, y)) + (x == 4 && y < 3 ? "/" : "");
        EXPECT_EQ(shown, cells) << name;
        EXPECT_EQ(window->CurrentTool, toolAfter) << name;
    }
    // The arrival points: the first two on the cell, the third asked for next.
    const auto& points = Scen.Towns[0].WanderingLocs;
    EXPECT_EQ((std::vector{points[0], points[1]}), (std::vector{Location{3, 2}, Location{3, 2}}));
    EXPECT_EQ(window->ClickStep, 2);
    EXPECT_EQ(window->lblTool[1]->text(), "Third entry point");
}

TEST_F(MainWindowMapTest, SignsAndSpecialSpotsTakeWhatTheirDialogsChose) {
    EditTown();
    MsgBoxRecorder boxes;
    Map.SelectedTerrain = kSign;
    WindowScript script;
    for (QPushButton* RecordDialog::*button : {&RecordDialog::cmdOK, &RecordDialog::cmdCancel})
        script.When<frmEditSign>([button](auto& d) {
            EXPECT_EQ(d.SignNum, 0);
            Click(d.*button);
        });
    ClickCell(0, 2, 3); // a sign terrain makes a sign
    EXPECT_EQ(Scen.Towns[0].SignLocs[0], (Location{2, 3}));
    ClickCell(10, 2, 3);
    ClickCell(10, 5, 5); // no sign terrain here
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"This space is not a sign."});

    Scen.Towns[0].SpecialNodes[5].Type = 3;
    script.When<frmEditSpNode>([](auto& d) {
        EXPECT_EQ(d.NodeSet, 2);
        Click(d.cmdCancel);
    });
    ClickCell(14, 4, 4); // a cancelled new node makes no spot
    EXPECT_EQ(Map.MapCells.At(4, 4).SpotIndex, -1);
    script.When<frmSetSpecial>([](auto& d) {
        EXPECT_EQ(d.Special, 0);
        TypeInto(d.txtSpecNum, "5");
        Click(d.cmdOK);
    });
    ClickCell(18, 4, 4);
    EXPECT_EQ(Scen.Towns[0].SpecialSpots[0], (SpecialSpot{5, 4, 4}));
    EXPECT_EQ(Map.MapCells.At(4, 4).SpotIndex, 0);
}
} // namespace
