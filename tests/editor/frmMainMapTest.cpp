#include "dialogs/records/frmEditTerrain.h"
#include "editor/frmMain.h"
#include "support/DialogDriver.h"
#include "support/MainWindowFixture.h"

#include "graphics/GraphicsSheets.h"
#include "map/MapState.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/SharedForms.h"
#include "scenario/NewScenario.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/SampleScenario.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The map editor of the main window, driven through its menu entries and widget events.
class MainWindowMapTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Map = MapState{};
        Scen = MakeMinimalScenario();
        CreateTown(Scen, 0, "Large", 0, 0);
        CreateTown(Scen, 1, "Medium", 1, 0);
        Scen.TownCount = 2;
        Scen.OutdoorSections = OutdoorGrid(2, 2);
        for (std::int16_t x = 0; x < 2; ++x)
            for (std::int16_t y = 0; y < 2; ++y)
                ClearOutdoorSection(Scen, x, y);
        Scen.TerrainTypes[40].SpecialProperty = 11; // a sign terrain
        Start();
    }

    bool Shown(const QWidget* w) const { return w->isVisibleTo(window.get()); }
    std::pair<QString, QString> Labels(int first) const {
        return {window->lblMapcell[first]->text(), window->lblMapcell[first + 1]->text()};
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::KeypadModifier) {
        QTest::keyClick(window->picMap, key, modifiers);
    }
    void MoveOver(QWidget* w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
};

TEST_F(MainWindowMapTest, TerrainCommandsShowTheMapPaletteAndTheToolsOfTheArea) {
    Scen.CurrentTown = 1;
    window->mnuTownEdit->trigger();
    EXPECT_EQ(Map.EditMode, kEditMediumTown);
    EXPECT_EQ(Map.MapCells.Side(), 48);
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             window->picMap, window->picTerrain, window->picSelTerrain, window->frmTools,
             window->lblMapcell[5], window->lblTool[0]})
        EXPECT_TRUE(Shown(w));
    EXPECT_FALSE(Shown(window->List1));
    EXPECT_EQ(window->picMap->size(), QSize(256, 328));
    EXPECT_EQ(Labels(1), (std::pair<QString, QString>{"X: 24", "Y: 24"}));
    EXPECT_EQ(window->lblTool[0]->text(), "Drawing Mode");
    EXPECT_EQ(window->CurrentTool, 0);
    for (int i = 0; i < kToolButtonCount; ++i)
        EXPECT_EQ(Shown(window->cmdTool[static_cast<std::size_t>(i)]), i != 19) << i;

    Scen.CurrentOutdoorX = 1;
    window->mnuOutEdit->trigger();
    EXPECT_EQ(Map.EditMode, kEditOutdoors);
    EXPECT_EQ(Labels(1), (std::pair<QString, QString>{"X: 24", "Y: 24"}));
    for (int i = 0; i < kToolButtonCount; ++i)
        EXPECT_EQ(Shown(window->cmdTool[static_cast<std::size_t>(i)]), i <= 19 || i == 49) << i;

    window->mnuScenTerrain->trigger();
    EXPECT_EQ(window->TerrainEditMode, 1);
    EXPECT_TRUE(Shown(window->picTerrain));
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             window->picMap, window->picSelTerrain, window->frmTools, window->lblTool[0]})
        EXPECT_FALSE(Shown(w));
}

TEST_F(MainWindowMapTest, TheKeypadScrollsTheDetailViewWithinItsLimits) {
    window->mnuTownEdit->trigger(); // town 0, 64 cells a side
    Key(Qt::Key_6);
    EXPECT_EQ(Map.MapCenter, (Location{33, 32}));
    EXPECT_EQ(Labels(1), (std::pair<QString, QString>{"X: 33", "Y: 32"}));
    Key(Qt::Key_Home); // keypad 7 with Num Lock off
    EXPECT_EQ(Map.MapCenter, (Location{32, 31}));
    Key(Qt::Key_6, Qt::KeypadModifier | Qt::ShiftModifier);
    Key(Qt::Key_6, Qt::NoModifier); // the digit row is not the keypad
    EXPECT_EQ(Map.MapCenter, (Location{32, 31}));

    // At the limit nothing moves and nothing is repainted.
    Map.MapCenter = {59, 30};
    window->lblMapcell[1]->setText("unchanged");
    Key(Qt::Key_6);
    EXPECT_EQ(Map.MapCenter, (Location{59, 30}));
    EXPECT_EQ(window->lblMapcell[1]->text(), "unchanged");
    Key(Qt::Key_5);
    EXPECT_EQ(Map.MapCenter, (Location{32, 32}));

    Map.ZoomView = false; // the whole view does not scroll
    Key(Qt::Key_4);
    EXPECT_EQ(Map.MapCenter, (Location{32, 32}));
}

TEST_F(MainWindowMapTest, TheLabelsFollowTheCellUnderThePointer) {
    window->mnuOutEdit->trigger(); // centred on grid cell (25, 25)
    MoveOver(window->picMap, {4 * 28 + 3, 4 * 36 + 3});
    EXPECT_EQ(Labels(4), (std::pair<QString, QString>{"X: 24", "Y: 24"}));
    window->lblMapcell[4]->setText("unchanged");
    MoveOver(window->picMap, {4 * 28 + 27, 4 * 36 + 35}); // still the same cell
    EXPECT_EQ(window->lblMapcell[4]->text(), "unchanged");

    Map.ZoomView = false;
    MoveOver(window->picMap, {0, 0});
    EXPECT_EQ(Labels(4), (std::pair<QString, QString>{"X: 0", "Y: 0"}));
    MoveOver(window->picMap, {6 * 47 + 5, 6 * 3});
    EXPECT_EQ(Labels(4), (std::pair<QString, QString>{"X: 47", "Y: 3"}));
}

TEST_F(MainWindowMapTest, PaletteClicksChooseTheTerrainOrMarkItInTerrainEditMode) {
    window->mnuTownEdit->trigger();
    QWidget* palette = window->picTerrain;
    QTest::mouseClick(palette, Qt::LeftButton, {}, {40, 20});
    EXPECT_EQ((std::array<int, 3>{Map.SelectedTerrain, Map.PaintTerrain, Map.EraseTerrain}),
              (std::array<int, 3>{18, 18, 0}));
    QTest::mouseClick(palette, Qt::LeftButton, {}, {274, 20}); // the margin after column 15
    QTest::mouseClick(palette, Qt::RightButton, {}, {0, 0});
    EXPECT_EQ(Map.SelectedTerrain, 18);

    window->CurrentTool = 3;
    QTest::mouseClick(palette, Qt::LeftButton, {}, {3 * 17 + 5, 17 + 5}); // terrain 19
    EXPECT_EQ(window->CurrentTool, 3);
    QTest::mouseClick(palette, Qt::LeftButton, {}, {8 * 17 + 5, 2 * 17 + 5}); // 40, a sign
    EXPECT_EQ(window->CurrentTool, 0);

    Scen.TerrainTypes[5].Name = "Cave wall" + std::string(21, ' ');
    MoveOver(palette, {5 * 17 + 8, 8});
    EXPECT_EQ(palette->toolTip(), "5: Cave wall");

    // In terrain edit mode a click opens the terrain's editor; the palette shows the edit.
    window->mnuScenTerrain->trigger();
    int opened = -1;
    SetModalFormHook([&opened](ModalForm& form) {
        auto* editorFound = OpenedAs<frmEditTerrain>(form);
        if (!editorFound) return;
        auto& editor = *editorFound;
        opened = editor.TerrNum;
        Scen.TerrainTypes[2].SpecialProperty = 11; // as if saved by the editor
        form.close();
    });
    const QImage savedIcons = frmPics.imgTerDisp;
    frmPics.imgTerDisp = QImage(70, 21, QImage::Format_RGB32);
    frmPics.imgTerDisp.fill(Qt::red);
    const QRgb beforeIcon = window->picTerrain->surface().Pixel(2 * 17 + 1 + 9, 1 + 9);
    QTest::mouseClick(palette, Qt::LeftButton, {}, {2 * 17 + 5, 5}); // terrain 2
    SetModalFormHook({});
    UnloadAllForms();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ((std::array<int, 3>{Map.SelectedTerrain, Map.PaintTerrain, Map.EraseTerrain}),
              (std::array<int, 3>{2, 40, 0}));
    EXPECT_NE(beforeIcon, 0xFFFF0000u);
    EXPECT_EQ(window->picTerrain->surface().Pixel(2 * 17 + 1 + 9, 1 + 9), 0xFFFF0000u);
    frmPics.imgTerDisp = savedIcons;
}
} // namespace
