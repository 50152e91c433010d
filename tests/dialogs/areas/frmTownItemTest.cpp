#include "dialogs/areas/frmTownItem.h"

#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
class TownItemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 1, 2, 13);
        Scen.CurrentTown = 0;
        auto& items = Scen.Towns[0].PresetItems;
        items.assign(3, PresetItem{});
        items[0] = {7, 4, 5, 12, 1, 0, 1};
        items[1] = {-1, 9, 9, -1, 0, 0, 0};  // just placed by the map tool
        items[2] = {-1, 100, 0, 3, 1, 1, 1}; // free
    }
    void TearDown() override { UnloadAllForms(); }

    frmTownItem& Edit(bool context, std::int16_t number,
                      const std::function<void(frmTownItem&)>& action) {
        return OpenDialog<frmTownItem>(
            [&](frmTownItem& d) {
                d.Context = context;
                d.ItemNum = number;
            },
            action);
    }

    PresetItem& Item(int i) { return Scen.Towns[0].PresetItems[static_cast<std::size_t>(i)]; }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(TownItemTest, MapContextListsItemTypesOnlyAndPicksTypeZeroForANewSlot) {
    Edit(false, 1, [](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->count(), 500);
        EXPECT_FALSE(d.cmdScrollRight->isVisibleTo(&d));
        EXPECT_EQ(d.lstItem->currentIndex(), 0);
        EXPECT_EQ(d.lblLoc[0]->text(), "9");
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(1).Item, 0);
    EXPECT_EQ(Item(1).X, 9);

    Item(1).Item = -1;
    Edit(false, 1, [](frmTownItem& d) { Click(d.cmdCancel); });
    EXPECT_EQ(Item(1).Item, -1) << "Cancel leaves the slot for the map tool to free";
}

TEST_F(TownItemTest, BrowseContextOffersNoItemWhichFreesTheSlot) {
    Edit(true, 2, [](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->count(), 501);
        EXPECT_EQ(d.lstItem->itemText(0), "No Item");
        EXPECT_EQ(d.lstItem->currentIndex(), 0);
        EXPECT_EQ(d.txtCharges->text(), "-1");
        EXPECT_FALSE(d.chkAlwaysHere->isChecked());
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(2), (PresetItem{-1, 100, 0, -1, 0, 0, 0}));

    Edit(true, 0, [](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->currentIndex(), 8) << "item type 7 after \"No Item\"";
        ChooseRow(d.lstItem, 0);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(0).X, 100);
    EXPECT_EQ(Item(0).Y, 0);
}

TEST_F(TownItemTest, ArrowsSaveFlagsAndWrap) {
    Edit(true, 0, [this](frmTownItem& d) {
        Click(d.chkProperty);
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.ItemNum, 2);
        EXPECT_EQ(Item(0).Property, 1);
        EXPECT_EQ(d.lblLoc[0]->text(), "100");
        ChooseRow(d.lstItem, 4);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.ItemNum, 0);
        EXPECT_EQ(Item(2).Item, 3);
        EXPECT_EQ(Item(2).X, 100) << "a free slot stays free for the map tools";
        Click(d.cmdCancel);
    });
}

TEST_F(TownItemTest, StaleItemTypeShowsNoSelectionAndIsKept) {
    Item(0).Item = 612;
    Edit(true, 0, [](frmTownItem& d) {
        EXPECT_EQ(d.lstItem->currentIndex(), -1);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Item(0).Item, 612);
}
