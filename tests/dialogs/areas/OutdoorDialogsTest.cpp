#include "AreaDialogTest.h"
#include "dialogs/areas/frmAreaDesc.h"
#include "dialogs/areas/frmOutDetails.h"
#include "dialogs/areas/frmOutLoad.h"
#include "dialogs/areas/frmOutWandering.h"
#include "dialogs/areas/frmSetTown.h"
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmVarTownEntry.h"
#include "platform/qt/QtText.h"
#include "support/LongTextEdits.h"

namespace {
class OutdoorDialogsTest : public AreaDialogTest {
  protected:
    void SetUp() override { Scen = MakeVariedScenario(2, 3, 3, 41); }
};
} // namespace

TEST_F(OutdoorDialogsTest, SectionListRunsDownEachColumn) {
    Scen.CurrentOutdoorX = 0, Scen.CurrentOutdoorY = 1;
    Open<frmOutLoad>([](frmOutLoad& d) {
        EXPECT_EQ(Ints(d.cmbOutSection->count(), d.cmbOutSection->currentIndex()), Ints(6, 1));
        EXPECT_EQ(FromQString(d.cmbOutSection->itemText(2) + "|" + d.cmbOutSection->itemText(3)),
                  "0,2 - " + Scen.OutdoorSections.At(0, 2).Strings[0] + "|1,0 - " +
                      Scen.OutdoorSections.At(1, 0).Strings[0]);
        EXPECT_EQ(Shown({d.lblOutSize[0], d.lblOutSize[1]}), QStringList({"2", "3"}));
        ChooseRow(d.cmbOutSection, 3);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY), Ints(1, 0));
    // OK without a choice keeps the section; so does the frame's close box.
    for (bool ok : {true, false}) {
        Open<frmOutLoad>([ok](frmOutLoad& d) { ok ? Click(d.cmdOK) : (void)d.close(); });
        EXPECT_EQ(Ints(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY), Ints(1, 0));
    }
    // The last section of the largest world is row 2499.
    Scen.OutdoorWidth = Scen.OutdoorHeight = 50;
    Scen.OutdoorSections = OutdoorGrid(50, 50);
    Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 49;
    Open<frmOutLoad>([](frmOutLoad& d) {
        EXPECT_EQ(d.cmbOutSection->currentIndex(), 2499);
        Click(d.cmdOK);
    });
    EXPECT_EQ(Ints(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY), Ints(49, 49));
}

TEST_F(OutdoorDialogsTest, DetailsRenameOnOkOnly) {
    Scen.CurrentOutdoorX = 1, Scen.CurrentOutdoorY = 2;
    std::string& name = Scen.OutdoorSections.At(1, 2).Strings[0];
    name = "Old Moor";
    // What is typed, and what is stored: Cancel where the name is kept, otherwise OK.
    for (const auto& c : {std::pair{"Fen", "Old Moor"}, {"Fen", "Fen"}, {"", ""}}) {
        Open<frmOutDetails>([&c](frmOutDetails& d) {
            EXPECT_EQ(Shown({d.lblOutCoord[0], d.lblOutCoord[1]}), QStringList({"1", "2"}));
            TypeInto(d.txtOutName, c.first, false);
            Click(std::string(c.second) == "Old Moor" ? d.cmdCancel : d.cmdOK);
        });
        EXPECT_EQ(name, c.second) << c.first;
    }
}

TEST_F(OutdoorDialogsTest, TownEntranceChoiceKeepsAStaleTownUntilAnotherIsChosen) {
    Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
    auto& entrances = Scen.OutdoorSections.At(0, 0).TownEntrances;
    entrances[2] = {0, 5, 6}, entrances[3] = {-1, 100, 0};
    entrances[4] = {7, 8, 9}; // a town the scenario no longer has
    // Slot; row chosen (-1: none, then the button); OK.
    const int cases[][3] = {{2, 3, 1}, {2, 0, 1}, {3, 2, 0}, {4, -1, 1}, {4, 1, 1}};
    std::vector<int> shown, stored;
    for (const auto& c : cases) {
        Open<frmSetTown>(
            [&c, &shown](frmSetTown& d) {
                shown.push_back(d.lstTown->currentIndex());
                if (c[1] >= 0) ChooseRow(d.lstTown, c[1]);
                Click(c[2] ? d.cmdOK : d.cmdCancel);
            },
            [&c](frmSetTown& d) { d.OutTown = static_cast<std::int16_t>(c[0]); });
        stored.push_back(entrances[static_cast<std::size_t>(c[0])].Town);
    }
    EXPECT_EQ(shown, Ints(1, 3, 0, -1, -1)) << "-1: none";
    EXPECT_EQ(stored, Ints(2, -1, -1, 7, 0));
    EXPECT_EQ(SharedForm<frmSetTown>().lstTown->itemText(0), "Not Assigned");
    EXPECT_EQ(entrances[2].X, 5) << "the place is the opener's to set";
}

TEST_F(OutdoorDialogsTest, VarTownEntriesShowBoxesForTownsAndStoreMinusOneWithout) {
    Scen.VarTownEntries.fill({-1, -1, -1});
    Scen.VarTownEntries[0] = {0, 12, 3}, Scen.VarTownEntries[1] = {2, 299, 9};
    Scen.VarTownEntries[2] = {-1, 40, 4}, Scen.VarTownEntries[3] = {9, 1, 1}; // 9: no town
    auto want = Scen.VarTownEntries;
    for (bool ok : {false, true}) {
        Open<frmVarTownEntry>([ok](frmVarTownEntry& d) {
            // The two flag headings once stood side by side and read as one line over both
            // columns.
            QRect headings[2];
            for (const QLabel* label : d.findChildren<QLabel*>())
                for (int i = 0; i < 2; ++i)
                    if (label->text() == QString("Stuff Done Flag to add ") + "XY"[i])
                        headings[i] = label->geometry();
            for (const QLineEdit* box : {d.txtStuffDoneA[0], d.txtStuffDoneB[0]}) {
                const int middle = box->geometry().center().x();
                const QRect& heading = headings[box == d.txtStuffDoneB[0]];
                EXPECT_TRUE(heading.left() <= middle && middle <= heading.right());
            }
            EXPECT_GE(headings[1].left() - headings[0].right(), 12);
            std::vector<std::pair<bool, int>> shown;
            for (std::size_t i = 0; i < 4; ++i)
                shown.emplace_back(d.txtStuffDoneA[i]->isVisibleTo(&d),
                                   d.lstTownNum[i]->currentIndex());
            EXPECT_EQ(shown, (std::vector<std::pair<bool, int>>{
                                 {true, 1}, {true, 3}, {false, 0}, {true, -1}}));
            ChooseRow(d.lstTownNum[1], 0);
            EXPECT_FALSE(d.txtStuffDoneB[1]->isVisibleTo(&d)) << "hidden at once";
            ChooseRow(d.lstTownNum[2], 2);
            EXPECT_EQ(d.txtStuffDoneA[2]->text(), "40") << "the parts the entry held";
            Click(ok ? d.cmdOK : d.cmdCancel);
        });
        EXPECT_EQ(Scen.VarTownEntries == want, !ok) << "Cancel stores nothing";
    }
    want[1] = {-1, -1, -1}, want[2] = {1, 40, 4};
    EXPECT_EQ(Scen.VarTownEntries, want) << "a stale town is kept";
}

// The town and outdoor boxes whose typing is limited, over a stored text longer than the limit.
TEST_F(OutdoorDialogsTest, TypingIsHeldToTheLimitWhileALongerStoredTextIsKeptWhole) {
    Scen.CurrentTown = 1, Scen.CurrentOutdoorX = Scen.CurrentOutdoorY = 0;
    OutdoorSection& section = Scen.OutdoorSections.At(0, 0);
    const std::string town = PutLongText(Scen.Towns[1].Strings[0], 30),
                      area = PutLongText(section.Strings[4], 30),
                      name = PutLongText(section.Strings[0], 30);
    Open<frmTownDetails>([](frmTownDetails& d) { TypeOverTheStart(d.txtTownName, d.cmdOK); });
    Open<frmAreaDesc>([](frmAreaDesc& d) { TypeOverTheStart(d.txtArea[3], d.cmdOK); },
                      [](frmAreaDesc& d) { d.Context = 0; });
    Open<frmOutDetails>([](frmOutDetails& d) { TypeOverTheStart(d.txtOutName, d.cmdOK); });
    EXPECT_EQ(std::tuple(Scen.Towns[1].Strings[0], section.Strings[4], section.Strings[0]),
              std::tuple(town, area, name));
}

// The wandering and special encounters of a section keep edits in a working copy until OK.
class OutWanderingTest : public OutdoorDialogsTest {
  protected:
    void SetUp() override {
        Scen = MakeVariedScenario(2, 2, 2, 31);
        Scen.CurrentOutdoorX = 1, Scen.CurrentOutdoorY = 0;
        for (std::size_t e = 0; e < 4; ++e) {
            OutdoorEncounter& w = section().Wandering[e];
            w = {}, w.Monsters[0] = static_cast<std::uint8_t>(10 + e);
            w.StartNode = static_cast<std::int16_t>(e), w.StuffDoneA = 20;
            section().Specials[e] = w;
            section().Specials[e].Monsters[0] = static_cast<std::uint8_t>(50 + e);
        }
    }
    void Edit(std::int16_t context, const std::function<void(frmOutWandering&)>& a) {
        Open<frmOutWandering>(a, [context](frmOutWandering& d) { d.Context = context; });
    }
    OutdoorSection& section() { return Scen.OutdoorSections.At(1, 0); }
};

TEST_F(OutWanderingTest, ArrowsWrapAndKeepEditsUntilCancel) {
    const OutdoorSection before = section();
    Edit(0, [](frmOutWandering& d) {
        EXPECT_EQ(d.Label1->text(), "Outdoor Wandering Encounter:");
        EXPECT_EQ(FromQString(d.lstMonster[0]->itemText(0)), " 0 - " + Scen.MonsterTypes[0].Name);
        EXPECT_EQ(d.lstMonster[0]->currentIndex(), 10);
        // Left of encounter 0 is encounter 3, right of 3 is 0.
        EXPECT_EQ(
            ShownAfterClicks(d.lblEncNumber, {d.cmdScrollLeft, d.cmdScrollRight, d.cmdScrollRight}),
            QStringList({"3", "0", "1"}));
        ChooseRow(d.lstMonster[9], 17);
        TypeInto(d.txtSDFlag[1], "255");
        Click(d.chkForce);
        Click(d.cmdScrollRight);
        EXPECT_EQ(Ints(d.lstMonster[9]->currentIndex(), d.chkForce->isChecked()), Ints(0, 0));
        Click(d.cmdScrollLeft);
        // The edits of encounter 1 are kept.
        EXPECT_EQ(Shown({d.lblEncNumber, d.txtSDFlag[1]}), QStringList({"1", "255"}));
        EXPECT_EQ(Ints(d.lstMonster[9]->currentIndex(), d.chkForce->isChecked()), Ints(17, 1));
        EXPECT_EQ(ShownAfterClicks(d.lblEncNumber,
                                   {d.cmdScrollRight, d.cmdScrollRight, d.cmdScrollRight}),
                  QStringList({"2", "3", "0"}));
        Click(d.cmdCancel);
    });
    EXPECT_EQ(section(), before);
}

// A click on an arrow takes the focus from a box holding a rejected entry, which gets its last
// good value back, and the arrow steps.
TEST_F(OutWanderingTest, AClickOnAnArrowOverARejectedEntryStepsWithItsLastGoodValue) {
    Edit(0, [](frmOutWandering& d) {
        TypeInto(d.txtSDFlag[1], "255");
        Type(d.txtSDFlag[1], "256");
        Click(d.cmdScrollRight);
        Click(d.cmdScrollLeft);
        EXPECT_EQ(Shown({d.lblEncNumber, d.txtSDFlag[1]}), QStringList({"0", "255"}));
        Click(d.cmdCancel);
    });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Value must be between -1 and 255."});
}

TEST_F(OutWanderingTest, SpecialSetIsTheOneWritten) {
    const auto wandering = section().Wandering;
    section().Specials[0].FleeNode = 7;
    Edit(1, [](frmOutWandering& d) {
        EXPECT_EQ(d.Label1->text(), "Outdoor Special Encounter:");
        EXPECT_EQ(d.lstMonster[0]->currentIndex(), 50);
        Click(d.chkFlee);
        TypeInto(d.txtSpNode[2], "", false);
        Click(d.cmdScrollRight);
        EXPECT_EQ(d.lstMonster[0]->currentIndex(), 51);
        Click(d.cmdScrollLeft);
        EXPECT_EQ(d.txtSpNode[2]->text(), "0") << "an emptied box takes 0";
        QTest::keyClick(d.txtSpNode[2], Qt::Key_Return);
    });
    EXPECT_EQ(section().Wandering, wandering);
    EXPECT_EQ(Ints(section().Specials[0].CannotFlee, section().Specials[0].FleeNode), Ints(1, 0));
}

// Nodes and flags take -1 to 255; a new node left free is no node, and edits survive the node
// editor.
TEST_F(OutWanderingTest, NodesAndFlagsTakeMinusOneTo255AndANewNodeLeftFreeIsNone) {
    for (SpecialNode& node : section().SpecialNodes)
        node = SpecialNode{0, -1, 0, -1, -1, -1, 0, 0, 0, 0, -1};
    section().SpecialNodes[0].Type = 5, section().Wandering[2].WinNode = -1;
    Edit(0, [this](frmOutWandering& d) {
        for (QLineEdit* box : {d.txtSpNode[1], d.txtSDFlag[0]}) {
            TypeInto(box, "256", false);
            TypeInto(box, "-1");
        }
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>(2, "Value must be between -1 and 255."));
        Click(d.cmdScrollLeft);
        Click(d.cmdScrollLeft); // encounter 2
        ChooseRow(d.lstMonster[3], 9);
        std::vector<int> offered;
        WindowScript editors; // OK without giving the node a type
        AnswerNodeEditors(editors, 1, {Qt::Key_Return, Qt::Key_Return}, offered);
        Click(d.cmdSpNode[1]);
        EXPECT_EQ(d.txtSpNode[1]->text(), "-1") << "a still-free new node is no node";
        EXPECT_EQ(Ints(d.lblEncNumber->text().toInt(), d.lstMonster[3]->currentIndex()),
                  Ints(2, 9));
        TypeInto(d.txtSpNode[1], "0");
        Click(d.cmdSpNode[1]);
        EXPECT_EQ(d.txtSpNode[1]->text(), "0") << "an existing node is kept";
        EXPECT_EQ(offered, (std::vector<int>{1, 0})) << "the first free node for a new one";
        Click(d.cmdOK);
    });
    const auto& w = section().Wandering;
    EXPECT_EQ(Ints(w[0].WinNode, w[0].StuffDoneA, w[2].WinNode, w[2].Monsters[3]),
              Ints(-1, -1, 0, 9));
}
