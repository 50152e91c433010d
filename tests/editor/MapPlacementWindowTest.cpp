#include "dialogs/nodes/SpotNodeNumberDialog.h"
#include "dialogs/nodes/frmEditSign.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "editor/frmMain.h"
#include "map/MapState.h"
#include "map/tools/ToolState.h"
#include "platform/qt/PictureBox.h"
#include "scenario/NewScenario.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/MainWindowFixture.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kSign = 120; // a terrain outside the walls, made a sign

// The placement tools in the main window, clicked on the map and answered in their dialogs.
class MapPlacementWindowTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Scen = MakeMinimalScenario();
        CreateTown(Scen, 0, "Large", 0, 0);
        Scen.TerrainTypes[kSign].SpecialProperty = 11;
        Start();
        window->mnuTownEdit->trigger();
        Map.MapCenter = {4, 4}; // view cell (i, j) shows grid cell (i, j)
    }

    // A click with the tool on grid cell (x, y); the modal dialog it opens is answered by the
    // action and noted as "name number".
    void ClickCell(int tool, int x, int y, const std::function<void(ModalForm&)>& action = {}) {
        QTest::mouseClick(window->cmdTool[static_cast<std::size_t>(tool)], Qt::LeftButton);
        SetModalFormHook([&](ModalForm& form) {
            form.show();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            if (auto* d = dynamic_cast<frmEditSign*>(&form))
                opened.push_back("sign " + std::to_string(d->SignNum));
            if (auto* d = dynamic_cast<frmEditSpNode*>(&form))
                opened.push_back("node set " + std::to_string(d->NodeSet));
            if (auto* d = dynamic_cast<frmSetSpecial*>(&form))
                opened.push_back("spot " + std::to_string(d->Special));
            if (action)
                action(form);
            else if (auto* d = OpenedAs<RecordDialog>(form))
                Click(d->cmdCancel);
        });
        const QPointF at(x * 28 + 5, y * 36 + 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, window->picMap->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->picMap, &press);
        SetModalFormHook({});
    }

    std::vector<std::string> opened;
};

TEST_F(MapPlacementWindowTest, SignsAreMadeByTheirTerrainAndEditedWithTheSignTool) {
    MsgBoxRecorder boxes;
    Map.SelectedTerrain = kSign;
    ClickCell(0, 2, 3, [](ModalForm& f) {
        if (auto* w = OpenedAs<frmEditSign>(f)) Click(w->cmdOK);
    });
    EXPECT_EQ(Scen.Towns[0].SignLocs[0], (Location{2, 3}));
    ClickCell(10, 2, 3);
    ClickCell(10, 5, 5); // no sign terrain here
    EXPECT_EQ(opened, (std::vector<std::string>{"sign 0", "sign 0"}));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "This space is not a sign.");
}

TEST_F(MapPlacementWindowTest, SpecialSpotsTakeTheNodeChosenInTheirDialogs) {
    Scen.Towns[0].SpecialNodes[5].Type = 3;
    ClickCell(14, 4, 4); // a cancelled new node makes no spot
    EXPECT_EQ(Map.MapCells.At(4, 4).SpotIndex, -1);
    ClickCell(18, 4, 4, [](ModalForm& f) {
        auto* dFound = OpenedAs<frmSetSpecial>(f);
        if (!dFound) return;
        auto& d = *dFound;
        TypeInto(d.txtSpecNum, "5");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Scen.Towns[0].SpecialSpots[0], (SpecialSpot{5, 4, 4}));
    EXPECT_EQ(Map.MapCells.At(4, 4).SpotIndex, 0);
    EXPECT_EQ(opened, (std::vector<std::string>{"node set 2", "spot 0"}));
}
} // namespace
