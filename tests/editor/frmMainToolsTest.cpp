#include "dialogs/areas/frmReplaceTerrain.h"
#include "editor/frmMain.h"
#include "support/MainWindowFixture.h"

#include "graphics/GraphicsSheets.h"
#include "map/MapState.h"
#include "map/tools/ToolState.h"
#include "platform/qt/PictureBox.h"
#include "scenario/NewScenario.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/SampleScenario.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
QImage Solid(QRgb colour) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The tool buttons and the map's mouse input, driven through widget events.
class MainWindowToolsTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        savedPencil_ = frmPics.iconPencil;
        savedBrush_ = frmPics.iconBrush;
        frmPics.iconPencil = Solid(qRgb(0, 200, 0));
        frmPics.iconBrush = Solid(qRgb(200, 0, 0));
        Map = MapState{};
        Tools = ToolState{};
        Scen = MakeMinimalScenario();
        CreateTown(Scen, 0, "Large", 0, 0);
        Scen.TerrainTypes[40].SpecialProperty = 11; // a sign terrain
        Start();
        window->mnuTownEdit->trigger();
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                Map.MapCells.At(x, y).Terrain = Scen.Towns[0].Terrain.At(x, y) = 0;
        Map.MapCenter = {4, 4};
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        frmPics.iconPencil = savedPencil_;
        frmPics.iconBrush = savedBrush_;
    }

    void ClickTool(int tool) {
        QTest::mouseClick(window->cmdTool[static_cast<std::size_t>(tool)], Qt::LeftButton);
    }
    QRgb CursorColour() const { return window->picMap->cursor().pixmap().toImage().pixel(1, 1); }
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, window->picMap->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(window->picMap, &event);
    }
    void Press(QPointF at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void DragTo(QPointF at) { Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Release(QPointF at) {
        Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    static int TerrainAt(int x, int y) { return Scen.Towns[0].Terrain.At(x, y); }

  private:
    QImage savedPencil_;
    QImage savedBrush_;
};

TEST_F(MainWindowToolsTest, AButtonSelectsItsToolWithCaptionPromptAndCursor) {
    EXPECT_EQ(window->cmdTool[1]->toolTip(), "Lg. Paint");
    ClickTool(1);
    EXPECT_EQ(window->CurrentTool, 1);
    EXPECT_EQ(window->lblTool[0]->text(), QString::fromStdString(ToolCaptions[1][0]));
    EXPECT_EQ(CursorColour(), qRgb(200, 0, 0));

    // With a sign terrain selected the brushes and sprays give way to Draw Terrain.
    Map.SelectedTerrain = 40;
    ClickTool(3);
    EXPECT_EQ(window->CurrentTool, 0);
    EXPECT_EQ(window->lblTool[0]->text(), "Drawing Mode");
    EXPECT_EQ(CursorColour(), qRgb(0, 200, 0));

    // A rectangle's first corner is forgotten by any button.
    ClickTool(6);
    Press({28 + 3, 36 + 3});
    EXPECT_EQ(window->ClickStep, 1);
    EXPECT_EQ(window->lblTool[1]->text(), "Select lower right corner.");
    ClickTool(6);
    EXPECT_EQ(window->ClickStep, 0);
}

TEST_F(MainWindowToolsTest, OneShotButtonsLeaveTheCurrentToolAlone) {
    ClickTool(2);
    ClickTool(8);
    EXPECT_FALSE(Map.ZoomView);
    EXPECT_EQ(window->picMap->size(), QSize(388, 388));
    EXPECT_EQ(window->CurrentTool, 2);
    EXPECT_EQ(window->lblTool[0]->text(), "");
    ClickTool(8);
    EXPECT_TRUE(Map.ZoomView);
    EXPECT_EQ(window->CurrentTool, 2);
    // The terrain replacement opens its dialog; the map shows the result afterwards.
    SetModalFormHook([](ModalForm& form) {
        auto* dFound = OpenedAs<frmReplaceTerrain>(form);
        if (!dFound) return;
        auto& d = *dFound;
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        ChooseRow(d.lstTerrain[1], 5);
        Click(d.cmdOK);
    });
    ClickTool(13);
    SetModalFormHook({});
    EXPECT_EQ(window->CurrentTool, 2);
    EXPECT_EQ(Scen.Towns[0].Terrain.At(63, 0), 5);
    EXPECT_EQ(Map.MapCells.At(63, 0).Terrain, 5);
}

TEST_F(MainWindowToolsTest, PressAndDragPaintTheCellsUnderThePointer) {
    Map.SelectedTerrain = 3;
    Press({5, 5});
    DragTo({20, 5});         // the same cell: nothing more
    DragTo({28 + 5, 5});     // the next cell
    DragTo({-10, 5});        // out of the picture
    DragTo({9 * 28 + 2, 5}); // onto the margin
    DragTo({2 * 28 + 5, 5});
    Release({2 * 28 + 5, 5});
    Mouse(QEvent::MouseMove, {4 * 28 + 5, 5}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(TerrainAt(0, 0), 3);
    EXPECT_EQ(TerrainAt(1, 0), 3);
    EXPECT_EQ(TerrainAt(2, 0), 3);
    EXPECT_EQ(TerrainAt(4, 0), 0);
    EXPECT_EQ(window->lblMapcell[4]->text(), "X: 4");

    // A press on the margin, just left of the picture or with the right button changes nothing.
    Press({9 * 28 + 1, 40});
    Mouse(QEvent::MouseButtonPress, QPointF(-0.4, 80.0), Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonPress, {5, 80}, Qt::RightButton, Qt::RightButton);
    Press({28 + 5, 4 * 36 + 5});
    DragTo(QPointF(-0.4, 4 * 36 + 5.0)); // rounds down to the cell left of the picture
    Release(QPointF(-0.4, 4 * 36 + 5.0));
    EXPECT_EQ(TerrainAt(1, 4), 3);
    EXPECT_EQ(TerrainAt(0, 4), 0);
    EXPECT_EQ(TerrainAt(9, 1), 0);
    EXPECT_EQ(TerrainAt(0, 2), 0);

    // The large brush from a button, then a press in the middle of the view.
    ClickTool(1);
    Press({4 * 28 + 5, 4 * 36 + 5});
    int painted = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            painted += TerrainAt(x, y) == 3;
    EXPECT_EQ(painted, 69 + 2); // the disc around (4, 4) covers the third of the first cells
}
} // namespace
