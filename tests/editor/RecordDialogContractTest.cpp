// What every dialog built on the record-dialog base promises, walked over one table of them.
// A dialog with bound boxes or record arrows is one row here. Not rows: the dialogs whose
// arrows keep edits in a working copy until OK (the outdoor encounters), and those whose boxes
// are bound by the node type or whose OK acts elsewhere (node and talk editors, the new-scenario
// dialog, the terrain replacement, the spot's node number); their own tests cover them.
#include "dialogs/areas/frmTownDetails.h"
#include "dialogs/areas/frmTownItem.h"
#include "dialogs/areas/frmTownMonster.h"
#include "dialogs/areas/frmVarTownEntry.h"
#include "dialogs/records/frmEditItem.h"
#include "dialogs/records/frmEditMonster.h"
#include "dialogs/records/frmEditSpItem.h"
#include "dialogs/records/frmEditTerrain.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"
#include "support/SampleScenario.h"

#include <QPushButton>

namespace {
// A box bound to a field of the record: how to find it, its caption and bounds, and where OK
// stores it for record id.
struct BoundBox {
    std::string name, caption;
    int min, max;
    std::function<QLineEdit*(RecordDialog&)> box;
    std::function<int(int id)> stored;
    std::function<void(int id, int value)> store;
    // Checked only when the box is left, where a rejected entry is put back at once.
    bool checkedOnLeaving = false;
};

BoundBox CheckedOnLeaving(BoundBox box) {
    box.checkedOnLeaving = true;
    return box;
}

// A dialog opened on record id of the sample scenario; first and last are the ids the record
// arrows wrap between (equal: the dialog has no arrows).
struct ContractRow {
    std::string name;
    int first, last;
    std::function<void(int id, const std::function<void(RecordDialog&)>&)> open;
    std::function<int(RecordDialog&)> id;
    std::function<QPushButton*(RecordDialog&, bool right)> arrow;
    std::vector<BoundBox> boxes;
};

template <class T> void Put(T& field, int value) {
    field = static_cast<T>(value);
}
// The box of the dialog Form, its caption and bounds, and the field of record id where OK
// stores it.
// clang-format off
#define BOUND(Form, box, caption, min, max, field)                                                 \
    BoundBox{#box, caption, min, max, [](RecordDialog& d) { return static_cast<Form&>(d).box; },   \
             [](int id) { return int(field); }, [](int id, int value) { Put(field, value); }}
// clang-format on
#define AT(i) static_cast<std::size_t>(i)
#define ITEM(box, caption, max, field)                                                             \
    BOUND(frmEditItem, box, caption, 0, max, Scen.ItemTypes[AT(id)].field)
#define MONSTER(box, caption, min, max, field)                                                     \
    BOUND(frmEditMonster, box, caption, min, max, Scen.MonsterTypes[AT(id)].field)
#define TOWN(box, caption, min, max, field)                                                        \
    BOUND(frmTownDetails, box, caption, min, max, Scen.Towns[AT(Scen.CurrentTown + id)].field)
#define CREATURE(box, min, max, field)                                                             \
    CheckedOnLeaving(BOUND(frmTownMonster, box, "Value", min, max,                                 \
                           Scen.Towns[AT(Scen.CurrentTown)].Creatures[AT(id)].field))

// The dialog of class Form, its record number in num (none: it shows one record), opened in
// the browsing context where it has one.
template <class Form>
ContractRow Dialog(std::string name, int first, int last, std::int16_t Form::*num,
                   std::vector<BoundBox> boxes) {
    ContractRow row{std::move(name), first, last, {}, {}, {}, std::move(boxes)};
    row.open = [num](int record, const std::function<void(RecordDialog&)>& action) {
        WindowScript script;
        const auto at = [&](Form& d) {
            if constexpr (requires { d.Context; }) d.Context = true;
            if (num) d.*num = static_cast<std::int16_t>(record);
        };
        script.Open<Form>(at, [&](Form& d) { action(d); });
    };
    // The checked cast has placed the row's class behind every window these are given.
    row.id = [num](RecordDialog& d) { return num ? int(static_cast<Form&>(d).*num) : 0; };
    row.arrow = [](RecordDialog& d, bool right) {
        if constexpr (requires(Form & f) { f.cmdScrollRight; })
            return right ? static_cast<Form&>(d).cmdScrollRight
                         : static_cast<Form&>(d).cmdScrollLeft;
        return static_cast<QPushButton*>(nullptr);
    };
    return row;
}

std::vector<ContractRow> Rows() {
    Town& town = Scen.Towns[AT(Scen.CurrentTown)];
    for (ItemType& item : Scen.ItemTypes)
        item.Ability = 0; // no ability that asks for charges
    for (PresetItem& item : town.PresetItems)
        item.Item = 3; // an item, so that the slot is kept
    for (TownCreature& creature : town.Creatures) {
        creature.Monster = 5; // a creature that shows both timing boxes
        creature.TimeFlag = 1;
    }
    for (VarTownEntry& entry : Scen.VarTownEntries)
        entry.Town = 0; // an entrance whose flag is kept
    return {
        Dialog("item", 0, 499, &frmEditItem::ItemNum,
               {ITEM(txtValue, "Value", 10000, Value), ITEM(txtWeight, "Weight", 250, Weight),
                ITEM(txtLevel, "Level", 50, Level), ITEM(txtBonus, "Bonus", 10, Bonus),
                ITEM(txtAwkwardness, "Awkwardness", 20, Awkwardness),
                ITEM(txtCharges, "Charges", 100, Charges),
                ITEM(txtTypeFlag, "Type Flag", 255, TypeFlag),
                ITEM(txtSpecClass, "Special Class", 100, SpecialClass)}),
        Dialog("monster", 1, 255, &frmEditMonster::MonstNum,
               {MONSTER(txtLevel, "Level", 0, 40, Level),
                MONSTER(txtHealth, "Health", 1, 2500, Health),
                MONSTER(txtArmor, "Armor", 0, 50, Armor), MONSTER(txtSkill, "Skill", 0, 40, Skill),
                MONSTER(txtSpeed, "Speed", 1, 12, Speed),
                MONSTER(txtMagic, "Magic spells", 0, 7, MageLevel),
                MONSTER(txtPriest, "Priest spells", 0, 7, PriestLevel),
                MONSTER(txtTreasure, "Treasure", 0, 4, Treasure)}),
        Dialog("terrain", 0, 255, &frmEditTerrain::TerrNum,
               {BOUND(frmEditTerrain, txtLight, "Light radius", 0, 8,
                      Scen.TerrainTypes[AT(id)].Light)}),
        Dialog("special item", 0, 49, &frmEditSpItem::SpItemNum,
               {BOUND(frmEditSpItem, txtSpNode, "Value", -1, 255, Scen.SpecialItems[AT(id)].Node)}),
        Dialog<frmTownDetails>("town details", 0, 0, nullptr,
                               {TOWN(txtEventStop, "Event", -1, 9, EventStop),
                                TOWN(txtDifficulty, "Difficulty", 0, 10, Difficulty),
                                TOWN(txtExitSpecial[2], "Value", -1, 99, ExitSpecials[2])}),
        // The town's lists, browsed from the Town menu.
        Dialog("town item", 0, town.MaxPresetItem(), &frmTownItem::ItemNum,
               {BOUND(frmTownItem, txtCharges, "Charges", -1, 1000,
                      Scen.Towns[AT(Scen.CurrentTown)].PresetItems[AT(id)].Charges)}),
        Dialog("town creature", 0, town.MaxCreature(), &frmTownMonster::MonstNum,
               {CREATURE(txtExtra[0], 0, 255, TimeValue1), CREATURE(txtExtra[1], 0, 20, TimeValue2),
                CREATURE(txtKilledSpnode, -1, 99, KilledNode)}),
        Dialog<frmVarTownEntry>("varying town entrance", 0, 0, nullptr,
                                {BOUND(frmVarTownEntry, txtStuffDoneA[3], "Value", 0, 299,
                                       Scen.VarTownEntries[AT(id + 3)].StuffDoneA),
                                 BOUND(frmVarTownEntry, txtStuffDoneB[3], "Value", 0, 9,
                                       Scen.VarTownEntries[AT(id + 3)].StuffDoneB)})};
}

class RecordDialogContractTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
        Scen = MakeVariedScenario(1, 1, 1, 11);
        Scen.CurrentTown = 0;
    }
    void TearDown() override { UnloadAllForms(); }

    // The messages shown since the previous call.
    std::vector<std::string> NewMessages() { return boxes.TakeTexts(); }
    // Whether the messages shown since the previous call are the box's refusal of max + 1,
    // shown count times, or at least once for none.
    ::testing::AssertionResult RefusedAboveMax(const BoundBox& b, std::size_t count = 0) {
        const std::vector<std::string> shown = NewMessages();
        const std::string refusal = b.caption + " must be between " + std::to_string(b.min) +
                                    " and " + std::to_string(b.max) + ".";
        const std::size_t expected = count ? count : std::max<std::size_t>(shown.size(), 1);
        if (shown == std::vector<std::string>(expected, refusal))
            return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure() << shown.size() << " message(s):";
        for (const std::string& text : shown)
            failure << " \"" << text << '"';
        return failure;
    }
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(RecordDialogContractTest, EveryRecordDialogKeepsTheContract) {
    for (const ContractRow& row : Rows()) {
        SCOPED_TRACE(row.name);
        const int id = row.last;
        // Stored values within the bounds, that no check refuses on the way.
        for (const BoundBox& b : row.boxes)
            for (int record : {row.first, row.last})
                b.store(record, (b.min + b.max) / 2);
        // The opening shows the record; each box refuses min - 1 and max + 1 with its message
        // and keeps its value, and takes min and max; OK stores what the boxes hold.
        row.open(id, [&](RecordDialog& d) {
            for (const BoundBox& b : row.boxes) {
                SCOPED_TRACE(b.name);
                QLineEdit* box = b.box(d);
                EXPECT_EQ(box->text(), QString::number(b.stored(id)));
                const QString kept = box->text();
                const std::string refusal = b.caption + " must be between " +
                                            std::to_string(b.min) + " and " +
                                            std::to_string(b.max) + ".";
                for (int wrong : {b.min - 1, b.max + 1}) {
                    TypeInto(box, QString::number(wrong));
                    // Each keystroke past the bound is refused again, at least one.
                    const std::vector<std::string> shown = NewMessages();
                    EXPECT_EQ(shown,
                              std::vector<std::string>(
                                  std::max<std::size_t>(shown.size(), 1),
                                  wrong < -1 ? "Values less than -1 are not accepted." : refusal));
                    EXPECT_EQ(box->text(), kept) << wrong;
                }
                TypeInto(box, QString::number(b.min));
                TypeInto(box, QString::number(b.max));
                EXPECT_TRUE(NewMessages().empty());
            }
            Click(d.cmdOK);
        });
        // Cancel stores nothing.
        row.open(id, [&](RecordDialog& d) {
            for (const BoundBox& b : row.boxes)
                TypeInto(b.box(d), QString::number(b.min));
            Click(d.cmdCancel);
        });
        for (const BoundBox& b : row.boxes)
            EXPECT_EQ(b.stored(id), b.max) << b.name;
        EXPECT_TRUE(NewMessages().empty());
        if (row.first == row.last) continue;

        // Both arrows wrap at the ends, and save the record before they step.
        const BoundBox& b = row.boxes.front();
        row.open(row.first, [&](RecordDialog& d) {
            Click(row.arrow(d, false));
            EXPECT_EQ(row.id(d), row.last);
            // The record holds max since the OK above.
            Type(b.box(d), QString::number(b.min));
            Click(row.arrow(d, true));
            EXPECT_EQ(row.id(d), row.first);
            EXPECT_EQ(b.stored(row.last), b.min);
            Click(row.arrow(d, false));
            EXPECT_EQ(b.box(d)->text(), QString::number(b.min));
            Type(b.box(d), QString::number(b.max));
            Click(row.arrow(d, false));
            EXPECT_EQ(row.id(d), row.last - 1);
            EXPECT_EQ(b.stored(row.last), b.max);
            Click(d.cmdCancel);
        });
        EXPECT_TRUE(NewMessages().empty());
    }
}

// Enter leaves the focus in a box holding a rejected entry, so OK does nothing. A mouse click
// on OK or an arrow takes the focus first: a box checked on every change gets its last good
// value back and the button acts on it (OK saves and closes, an arrow saves and steps); a box
// checked only on leaving refuses the entry then, once, and the buttons do nothing until a box
// is left with an accepted entry.
TEST_F(RecordDialogContractTest, AClickOnOkOrAnArrowFirstPutsBackTheLastGoodValue) {
    for (const ContractRow& row : Rows()) {
        const BoundBox& b = row.boxes.front();
        const bool leaving = b.checkedOnLeaving;
        const QString good = QString::number(b.min), rejected = QString::number(b.max + 1);
        // OK, then the left arrow (from the last record to the one before) and the right one
        // (from the last record round to the first).
        for (const int step : {0, -1, 1}) {
            const bool ok = step == 0;
            if (!ok && row.first == row.last) continue;
            SCOPED_TRACE(row.name + (ok ? ", OK" : step < 0 ? ", left arrow" : ", right arrow"));
            // Stored values that no box refuses on leaving; the first box's differs from min.
            for (const BoundBox& other : row.boxes)
                for (int record : {row.first, std::max(row.first, row.last - 1), row.last})
                    other.store(record, &other == &b ? b.max : (other.min + other.max) / 2);
            row.open(row.last, [&](RecordDialog& d) {
                QLineEdit* box = b.box(d);
                QPushButton* button = ok ? d.cmdOK : row.arrow(d, step > 0);
                TypeInto(box, good); // taken into the working copy, not yet stored
                Type(box, rejected);
                QTest::keyClick(box, Qt::Key_Return);
                EXPECT_TRUE(d.isVisible()) << "Enter over a rejected entry";
                EXPECT_EQ(box->text(), leaving ? good : rejected);
                if (leaving) {
                    Type(box, rejected); // Enter has put the last good value back
                    Click(button);
                    Click(button);
                    EXPECT_EQ(std::tuple(box->text(), d.isVisible(), row.id(d)),
                              std::tuple(good, true, row.last));
                    box->setFocus();
                    Leave(box);
                }
                Click(button);
                EXPECT_EQ(box->text(), ok ? good : QString::number(b.max));
                EXPECT_EQ(std::tuple(d.isVisible(), row.id(d)),
                          std::tuple(!ok, ok         ? row.last
                                          : step < 0 ? row.last - 1
                                                     : row.first));
                if (!ok) Click(d.cmdCancel);
            });
            EXPECT_EQ(b.stored(row.last), b.min);
            EXPECT_TRUE(RefusedAboveMax(b, leaving ? 2 : 0));
        }
    }
}
