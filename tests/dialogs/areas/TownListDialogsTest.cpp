#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmAreaDesc1.h"
#include "dialogs/areas/frmCreateTown.h"
#include "dialogs/areas/frmTownLoad.h"
#include "dialogs/areas/frmTownWandering.h"

#include "map/MapState.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
class TownListDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(1, 1, 3, 23);
        Scen.CurrentTown = 1;
        Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
        Town& town = Scen.Towns[1];
        town.AreaRects.fill(AreaRect{});
        town.AreaRects[0] = {2, 3, 9, 9};
        town.AreaRects[3] = {0, 0, 0, 1};
        town.AreaRects[9] = {12, 14, 20, 20};
    }
    void TearDown() override { UnloadAllForms(); }

    frmAreaDesc& Areas(std::int16_t context, const std::function<void(frmAreaDesc&)>& action) {
        return OpenDialog<frmAreaDesc>([context](frmAreaDesc& d) { d.Context = context; }, action);
    }

    // The corner labels of the rows, and which rows offer Delete.
    static std::pair<QStringList, QList<bool>> Rows(const frmAreaDesc& d) {
        QStringList corners;
        QList<bool> deletable;
        for (std::size_t i = 0; i < kAreaRowsPerPage; ++i) {
            corners.push_back(d.lblArea[i]->text());
            deletable.push_back(d.cmdDelete[i]->isVisibleTo(&d));
        }
        return {corners, deletable};
    }

    Town& town() { return Scen.Towns[1]; }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(TownListDialogsTest, AreaPagesShowPlacedSlotsAndWrap) {
    Areas(1, [](frmAreaDesc& d) {
        EXPECT_TRUE(d.Label1[1]->isVisibleTo(&d));
        EXPECT_FALSE(d.Label1[0]->isVisibleTo(&d));
        auto [corners, deletable] = Rows(d);
        EXPECT_EQ(corners[0], "X = 2, Y = 3");
        EXPECT_EQ(corners[3], "X = 0, Y = 0");
        EXPECT_EQ(corners[1], "Not yet placed");
        EXPECT_EQ(deletable, (QList<bool>{true, false, false, true, false, false, false, false}));
        Click(d.cmdScrollRight);
        EXPECT_EQ(Rows(d).first[1], "X = 12, Y = 14");
        Click(d.cmdScrollRight);
        EXPECT_EQ(Rows(d).first[0], "X = 2, Y = 3");
        Click(d.cmdScrollLeft);
        EXPECT_EQ(Rows(d).first[1], "X = 12, Y = 14") << "left of page 0 is page 1";
        Click(d.cmdCancel);
    });
}

TEST_F(TownListDialogsTest, OutdoorsHasOnePageOfEight) {
    OutdoorSection& section = Scen.OutdoorSections.At(0, 0);
    section.AreaRects.fill(AreaRect{});
    section.AreaRects[7] = {40, 41, 44, 44};
    Areas(0, [&section](frmAreaDesc& d) {
        EXPECT_FALSE(d.cmdScrollLeft->isVisibleTo(&d));
        EXPECT_FALSE(d.cmdScrollRight->isVisibleTo(&d));
        EXPECT_TRUE(d.Label1[0]->isVisibleTo(&d));
        EXPECT_EQ(Rows(d).first[7], "X = 40, Y = 41");
        EXPECT_EQ(d.txtArea[7]->text().toStdString(), section.Strings[8]);
        TypeInto(d.txtArea[7], "Lake");
        Click(d.cmdOK);
    });
    EXPECT_EQ(section.Strings[8], "Lake");
}

TEST_F(TownListDialogsTest, DeleteAndTypedDescriptionsSurvivePagingAndOnlyOkStoresThem) {
    const std::string longText(40, 'w');
    town().Strings[2] = longText;
    const Town before = town();
    for (bool ok : {false, true}) {
        Areas(1, [ok](frmAreaDesc& d) {
            Click(d.cmdDelete[0]);
            EXPECT_EQ(Rows(d).first[0], "Not yet placed");
            EXPECT_EQ(d.txtArea[1]->text().size(), 40) << "a longer text shows whole";
            TypeInto(d.txtArea[4], QString(35, 'a'));
            EXPECT_EQ(d.txtArea[4]->text().size(), 30) << "typing stops at thirty";
            TypeInto(d.txtArea[2], "Market");
            Click(d.cmdScrollRight);
            TypeInto(d.txtArea[0], "Gate");
            Click(d.cmdScrollLeft);
            EXPECT_EQ(d.txtArea[2]->text(), "Market");
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(town() == before, !ok) << "Cancel stores nothing";
    }
    Town want = before;
    want.AreaRects[0] = AreaRect{};
    want.Strings[3] = "Market";
    want.Strings[5] = std::string(30, 'a');
    want.Strings[9] = "Gate";
    EXPECT_EQ(town(), want) << "the deleted area keeps its text, the long text stays whole";
}

TEST_F(TownListDialogsTest, WanderingGroupsAreHeldTogetherAndWrap) {
    const Town before = town();
    for (bool ok : {false, true}) {
        OpenDialog<frmTownWandering>([](frmTownWandering&) {},
                                     [ok](frmTownWandering& d) {
                                         EXPECT_EQ(d.lblEncNum->text(), "0");
                                         Click(d.cmdScrollLeft);
                                         EXPECT_EQ(d.lblEncNum->text(), "3");
                                         Click(d.cmdScrollRight);
                                         Click(d.cmdScrollRight);
                                         ChooseRow(d.lstMonster[2], 0);
                                         ChooseRow(d.lstMonster[3], 200);
                                         Click(d.cmdScrollRight);
                                         Click(d.cmdScrollLeft);
                                         EXPECT_EQ(d.lstMonster[3]->currentIndex(), 200);
                                         EXPECT_EQ(d.lstMonster[3]->itemText(200).left(7),
                                                   " 200 - ");
                                         Click(ok ? d.cmdOK : d.cmdCancel);
                                     });
        EXPECT_EQ(town() == before, !ok) << "Cancel stores nothing";
    }
    Town want = before;
    want.WanderingGroups[1].Monsters[2] = 0;
    want.WanderingGroups[1].Monsters[3] = 200;
    EXPECT_EQ(town(), want);
}

TEST_F(TownListDialogsTest, TownChoiceOpensOnTheCurrentTown) {
    Scen.Towns[0].Strings[0] = "Fort";
    OpenDialog<frmTownLoad>([](frmTownLoad&) {},
                            [](frmTownLoad& d) {
                                EXPECT_EQ(d.lstTown->count(), 3);
                                EXPECT_EQ(d.lstTown->itemText(0), " 0 - Fort");
                                EXPECT_EQ(d.lstTown->currentIndex(), 1);
                                Click(d.cmdOK);
                            });
    EXPECT_EQ(Scen.CurrentTown, 1);
    OpenDialog<frmTownLoad>([](frmTownLoad&) {},
                            [](frmTownLoad& d) {
                                ChooseRow(d.lstTown, 2);
                                Click(d.cmdOK);
                            });
    EXPECT_EQ(Scen.CurrentTown, 2);
}

TEST_F(TownListDialogsTest, NewTownOfEachSizeAndTerrain) {
    const std::uint8_t floors[] = {0, 2, 4};
    for (int size = 0; size < 3; ++size) {
        for (int terrain = 0; terrain < 3; ++terrain) {
            const int number = Scen.TownCount;
            OpenDialog<frmCreateTown>([](frmCreateTown&) {},
                                      [&](frmCreateTown& d) {
                                          EXPECT_EQ(d.lblTownNum->text(), QString::number(number));
                                          EXPECT_TRUE(d.optTownSize[1]->isChecked());
                                          EXPECT_TRUE(d.optTerrain[0]->isChecked());
                                          EXPECT_TRUE(d.txtTownName->text().isEmpty());
                                          Click(d.optTownSize[static_cast<std::size_t>(size)]);
                                          Click(d.optTerrain[static_cast<std::size_t>(terrain)]);
                                          TypeInto(d.txtTownName,
                                                   "Town " + QString::number(number));
                                          QTest::keyClick(d.txtTownName, Qt::Key_Return);
                                      });
            ASSERT_EQ(Scen.TownCount, number + 1);
            EXPECT_EQ(Scen.CurrentTown, number);
            const Town& made = Scen.Towns[static_cast<std::size_t>(number)];
            EXPECT_EQ(made.Size, size);
            EXPECT_EQ(made.Terrain.At(1, 1), floors[terrain]);
            EXPECT_EQ(made.Strings[0], "Town " + std::to_string(number));
        }
    }
}

TEST_F(TownListDialogsTest, NewTownUntypedNameAndEmptiedName) {
    OpenDialog<frmCreateTown>([](frmCreateTown&) {}, [](frmCreateTown& d) { Click(d.cmdOK); });
    ASSERT_EQ(Scen.TownCount, 4);
    EXPECT_EQ(Scen.Towns[3].Strings[0], "Town Name");
    EXPECT_EQ(Scen.Towns[3].Size, 1);
    EXPECT_EQ(Scen.Towns[3].Terrain.At(0, 0), 0);
    OpenDialog<frmCreateTown>([](frmCreateTown&) {},
                              [](frmCreateTown& d) {
                                  TypeInto(d.txtTownName, "x", false);
                                  QTest::keyClick(d.txtTownName, Qt::Key_Backspace);
                                  Click(d.cmdOK);
                              });
    EXPECT_EQ(Scen.Towns[4].Strings[0], "");
    const Scenario before = Scen;
    OpenDialog<frmCreateTown>(
        [](frmCreateTown&) {},
        [](frmCreateTown& d) { QTest::keyClick(d.txtTownName, Qt::Key_Escape); });
    EXPECT_EQ(Scen, before);
}

TEST_F(TownListDialogsTest, NewTownAtTheLimitIsRefusedWithAMessage) {
    Scen.Towns.resize(200);
    Scen.TownTalks.resize(200);
    Scen.TownCount = 200;
    const Scenario before = Scen;
    OpenDialog<frmCreateTown>([](frmCreateTown&) {},
                              [](frmCreateTown& d) {
                                  EXPECT_EQ(d.lblTownNum->text(), "200");
                                  Click(d.cmdOK);
                                  EXPECT_FALSE(d.isVisible());
                              });
    EXPECT_EQ(Scen, before);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].style, msgbox::Exclamation);
}

TEST_F(TownListDialogsTest, NewRectangleDescriptionOkStoresAndCancelErases) {
    const std::int16_t savedMode = Map.EditMode;
    struct Case {
        std::int16_t editMode;
        bool ok;
    };
    for (const Case c : {Case{1, true}, Case{1, false}, Case{3, true}, Case{3, false}}) {
        const bool town = c.editMode != 3;
        Map.EditMode = c.editMode;
        AreaRect& rect =
            town ? Scen.Towns[1].AreaRects[9] : Scen.OutdoorSections.At(0, 0).AreaRects[5];
        std::string& text =
            town ? Scen.Towns[1].Strings[10] : Scen.OutdoorSections.At(0, 0).Strings[6];
        rect = AreaRect{4, 4, 8, 8};
        text = "Old";
        OpenDialog<frmAreaDesc1>([town](frmAreaDesc1& d) { d.AreaNum = town ? 9 : 5; },
                                 [&](frmAreaDesc1& d) {
                                     EXPECT_EQ(d.txtArea->text(), "Old");
                                     TypeInto(d.txtArea, QString(300, 'n'), false);
                                     EXPECT_EQ(d.txtArea->text().size(), 255);
                                     QTest::keyClick(d.txtArea,
                                                     c.ok ? Qt::Key_Return : Qt::Key_Escape);
                                 });
        EXPECT_EQ(text, c.ok ? std::string(255, 'n') : "Old") << c.editMode;
        EXPECT_EQ(rect, (c.ok ? AreaRect{4, 4, 8, 8} : AreaRect{})) << c.editMode;
    }
    Map.EditMode = savedMode;
}
