#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmAreaDesc1.h"
#include "dialogs/areas/frmCreateTown.h"
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownLoad.h"
#include "dialogs/areas/frmTownMonster.h"
#include "dialogs/areas/frmTownWandering.h"
#include "editor/MapToolHost.h"
#include "editor/frmMain.h"
#include "support/MainWindowFixture.h"

#include "map/MapState.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/SharedForms.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <typeinfo>

namespace {
class MainWindowTownTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Scen = MakeVariedScenario(1, 1, 3, 31);
        Scen.CurrentTown = 1;
        Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
        for (std::size_t t = 0; t < 3; ++t)
            Scen.Towns[t].Strings[0] = "Town" + std::to_string(t);
    }
    void TearDown() override {
        SetModalFormHook({});
        MainWindowFixture::TearDown();
    }

    // Triggers the menu entry; the hook plays the author on whatever dialog it opens and
    // notes the dialogs opened.
    void Choose(QAction* entry, const std::function<void(ModalForm&)>& author) {
        SetModalFormHook([&](ModalForm& form) {
            opened.push_back(typeid(form).name());
            form.show();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            author(form);
        });
        ASSERT_TRUE(entry->isEnabled());
        entry->trigger();
        SetModalFormHook({});
    }

    std::vector<std::string> opened;
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(MainWindowTownTest, TownChoiceCreationAndDetailsRefreshTheTownLine) {
    Choose(window->mnuTownLoad, [](ModalForm& form) {
        auto* dFound = OpenedAs<frmTownLoad>(form);
        if (!dFound) return;
        auto& d = *dFound;
        ChooseRow(d.lstTown, 2);
        Click(d.cmdOK);
    });
    EXPECT_EQ(window->Label2->text(), "Town: 2 - Town2");
    EXPECT_FALSE(window->picMap->isVisibleTo(window.get()));

    Choose(window->mnuTownCreate, [](ModalForm& form) {
        if (auto* w = OpenedAs<frmCreateTown>(form)) Click(w->cmdCancel);
    });
    EXPECT_EQ(Scen.TownCount, 3);
    EXPECT_EQ(window->Label2->text(), "Town: 2 - Town2") << "written after a Cancel too";
    Choose(window->mnuTownCreate, [](ModalForm& form) {
        if (auto* w = OpenedAs<frmCreateTown>(form)) Click(w->cmdOK);
    });
    EXPECT_EQ(window->Label2->text(), "Town: 3 - Town Name");

    Choose(window->mnuTownDetails, [](ModalForm& form) {
        auto* dFound = OpenedAs<frmTownDetails>(form);
        if (!dFound) return;
        auto& d = *dFound;
        TypeInto(d.txtTownName, "Renamed");
        Click(d.cmdOK);
    });
    EXPECT_EQ(window->Label2->text(), "Town: 3 - Renamed");
}

TEST_F(MainWindowTownTest, BrowsingEntriesOpenAtTheFirstRecordAndEndInTheMapContext) {
    bool browsing = false;
    std::int16_t first = -1;
    Choose(window->mnuTownMonsters, [&](ModalForm& form) {
        auto* dFound = OpenedAs<frmTownMonster>(form);
        if (!dFound) return;
        auto& d = *dFound;
        browsing = d.Context;
        first = d.MonstNum;
        Click(d.cmdCancel);
    });
    EXPECT_TRUE(browsing);
    EXPECT_EQ(first, 0);
    EXPECT_FALSE(SharedForm<frmTownMonster>().Context);

    Choose(window->mnuTownItems, [&](ModalForm& form) {
        auto* dFound = OpenedAs<frmTownItem>(form);
        if (!dFound) return;
        auto& d = *dFound;
        browsing = d.Context;
        first = d.ItemNum;
        Click(d.cmdCancel);
    });
    EXPECT_TRUE(browsing);
    EXPECT_EQ(first, 0);
    EXPECT_FALSE(SharedForm<frmTownItem>().Context);

    Scen.Towns[1].Creatures.clear();
    opened.clear();
    window->mnuTownMonsters->trigger();
    EXPECT_TRUE(opened.empty()) << "a town without creature slots has nothing to browse";
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MainWindowTownTest, AreaDescriptionsFollowTheMenuAndWanderingOpensPlainly) {
    std::vector<std::int16_t> contexts;
    const auto note = [&](ModalForm& form) {
        auto* dFound = OpenedAs<frmAreaDesc>(form);
        if (!dFound) return;
        auto& d = *dFound;
        contexts.push_back(d.Context);
        Click(d.cmdCancel);
    };
    Choose(window->mnuOutAreaDesc, note);
    Choose(window->mnuTownAreaDesc, note);
    EXPECT_EQ(contexts, (std::vector<std::int16_t>{0, 1}));
    Choose(window->mnuTownWandering, [](ModalForm& form) {
        if (auto* w = OpenedAs<frmTownWandering>(form)) Click(w->cmdCancel);
    });
    EXPECT_EQ(opened.back(), typeid(frmTownWandering).name());
}

TEST_F(MainWindowTownTest, AreaDescriptionsRebuildTheMapOnShow) {
    const MapState savedMap = Map;
    Town& town = Scen.Towns[1];
    town.AreaRects.fill(AreaRect{});
    town.AreaRects[0] = {2, 3, 9, 9};
    window->show();
    window->mnuTownEdit->trigger();
    ASSERT_TRUE(window->picMap->isVisible());
    const auto areaEdges = [] {
        const auto& edges = Map.MapCells.At(5, 3).Edges; // on the top side
        return edges[kAreaEdges + kEdgeLeft] + edges[kAreaEdges + kEdgeRight];
    };
    EXPECT_NE(areaEdges(), 0);
    Choose(window->mnuTownAreaDesc, [](ModalForm& form) {
        auto* dFound = OpenedAs<frmAreaDesc>(form);
        if (!dFound) return;
        auto& d = *dFound;
        Click(d.cmdDelete[0]);
        Click(d.cmdOK);
    });
    EXPECT_EQ(areaEdges(), 0) << "the deleted rectangle is gone from the map";
    EXPECT_EQ(window->focusWidget(), window->picMap);
    Map = savedMap;
}

TEST_F(MainWindowTownTest, PlacementToolsOpenOneRecordInTheMapContext) {
    ASSERT_NE(window->ToolHostImpl, nullptr);
    SharedForm<frmTownMonster>().Context = true; // left over from browsing would show arrows
    std::vector<std::string> seen;
    const auto note = [&seen](ModalForm& form) {
        if (auto* d = dynamic_cast<frmTownMonster*>(&form)) {
            seen.push_back("creature " + std::to_string(d->MonstNum) +
                           (d->cmdScrollLeft->isVisible() ? " arrows" : ""));
            Click(d->cmdCancel);
        } else if (auto* d = dynamic_cast<frmTownItem*>(&form)) {
            seen.push_back("item " + std::to_string(d->ItemNum) + " rows " +
                           std::to_string(d->lstItem->count()));
            Click(d->cmdCancel);
        } else if (auto* d = dynamic_cast<frmAreaDesc1*>(&form)) {
            seen.push_back("area " + std::to_string(d->AreaNum));
            Click(d->cmdCancel);
        } else {
            seen.push_back(ClassName(typeid(form)));
        }
    };
    SetModalFormHook([&](ModalForm& form) {
        form.show();
        note(form);
    });
    const MapState savedMap = Map;
    Map.EditMode = Scen.Towns[1].Size;
    Scen.Towns[1].AreaRects[4] = {1, 1, 5, 5};
    window->ToolHostImpl->EditTownCreature(0);
    window->ToolHostImpl->EditPresetItem(0);
    window->ToolHostImpl->EditAreaRect(4);
    SetModalFormHook({});
    Map = savedMap;
    EXPECT_EQ(seen, (std::vector<std::string>{"creature 0", "item 0 rows 500", "area 4"}));
    EXPECT_EQ(Scen.Towns[1].AreaRects[4], AreaRect{}) << "Cancel takes the new rectangle away";
}
