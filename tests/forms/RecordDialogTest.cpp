#include "forms/RecordDialog.h"
#include "forms/MultiLineBox.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <stdexcept>

namespace {
struct Record {
    std::uint8_t level = 3;
    std::int16_t node = 7, extra = 5, town = 0;
    bool operator==(const Record&) const = default;
};
using Table = std::array<Record, 3>;
using LoadOn = RecordDialog::LoadOn;

// A dialog with one box of each kind the kit offers, over a table of three records of the
// test's own, stepped through with the arrows; its value list's first entry stands for no town.
class SampleDialog : public RecordDialog {
  public:
    SampleDialog(Table& table, LoadOn loadOn) : RecordDialog(loadOn), table_(table) {
        for (QLineEdit** box : {&txtLevel, &txtNode, &txtExtra, &txtName})
            *box = new QLineEdit(this);
        lstTown = new QComboBox(this);
        SetArrows(left = new QPushButton("<", this), right = new QPushButton(">", this));
        SetButtons(new QPushButton("OK", this), new QPushButton("Cancel", this));
        auto* layout = new QVBoxLayout(this);
        for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            layout->addWidget(widget);
        BindNumber(txtLevel, &copy.level, {"Level", 0, 50});
        BindNumber(txtNode, &copy.node, {"Node", -1, 99, -1});
        BindNumber(txtExtra, &copy.extra, {"Extra", 0, 100, 0, NumberRule::Check::OnFocusLoss});
        BindList(lstTown, &copy.town, "Not Assigned").Fill({" 0 - Harbour", " 1 - Fort"});
        Connect(txtName, &QLineEdit::textChanged, [](const QString& text) {
            if (text == "boom") throw std::out_of_range("no such slot");
        });
    }
    // The record number, the level box and the town list's entry.
    QString Status() const {
        return QString("%1 %2 %3").arg(number).arg(txtLevel->text()).arg(lstTown->currentIndex());
    }

    QLineEdit *txtLevel, *txtNode, *txtExtra, *txtName;
    QComboBox* lstTown;
    QPushButton *left, *right;
    Record copy;
    int number = 0, loads = 0, cancels = 0;
    bool throwOnSave = false, refuse = false; // refuse: the record cannot be edited after all

  protected:
    void LoadRecord() override {
        ++loads;
        if (refuse) CloseOnOpening();
        copy = table_[static_cast<std::size_t>(number)];
    }
    void ShowRecord() override { txtLevel->setFocus(); }
    bool SaveRecord() override {
        if (throwOnSave) throw std::out_of_range("vector::at");
        table_[static_cast<std::size_t>(number)] = copy;
        return true;
    }
    void Cancelled() override { ++cancels; }
    int RecordCount() const override { return 3; }
    int RecordNumber() const override { return number; }
    void SetRecordNumber(int n) override { number = n; }

  private:
    Table& table_;
};

class RecordDialogTest : public ::testing::Test {
  protected:
    Table table{};
    Record& record = table[0];
    MsgBoxRecorder boxes;
};
} // namespace

// An emptied box takes its empty value; a lone minus sign is no number: the last one stays.
TEST_F(RecordDialogTest, LeavingABoxTakesAnAcceptedEntryAndPutsBackARejectedOne) {
    // The box, what is typed, what it shows once left, the messages and the record saved by OK.
    struct Case {
        QLineEdit* SampleDialog::*box;
        const char *typed, *shownAfterLeaving;
        std::vector<std::string> messages;
        Record saved;
    };
    const Case cases[] = {
        {&SampleDialog::txtLevel, "12", "12", {}, {12, 7, 5}},
        {&SampleDialog::txtLevel, "x", "3", {"Level must be numeric."}, {3, 7, 5}},
        {&SampleDialog::txtLevel, "", "0", {}, {0, 7, 5}},
        {&SampleDialog::txtNode, "", "-1", {}, {3, -1, 5}},
        {&SampleDialog::txtNode, "-", "7", {}, {3, 7, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        record = {};
        SampleDialog dialog(table, LoadOn::EveryOpening);
        MsgBoxRecorder local;
        OpenWindow(dialog, [&] {
            EXPECT_EQ(dialog.txtLevel->text(), "3");
            TypeInto(dialog.*c.box, c.typed);
            EXPECT_EQ((dialog.*c.box)->text(), c.shownAfterLeaving);
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        EXPECT_EQ(local.Texts(), c.messages);
        EXPECT_EQ(record, c.saved);
        EXPECT_FALSE(dialog.isVisible());
    }
}

// A mouse click on OK once took the focus from a box holding a rejected entry, which put the
// last good value back, and the dialog closed with it; the click now acts as Enter does.
TEST_F(RecordDialogTest, NeitherEnterNorAClickOnOkClosesOverARejectedEntry) {
    for (const bool click : {false, true}) {
        SCOPED_TRACE(click ? "click" : "Enter");
        record = {};
        SampleDialog dialog(table, LoadOn::EveryOpening);
        const auto press = [&] {
            if (click) return QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
            QTest::keyClick(dialog.txtLevel, Qt::Key_Return);
        };
        OpenWindow(dialog, [&] {
            Type(dialog.txtLevel, "99");
            press();
            EXPECT_EQ(dialog.txtLevel->text() + (dialog.isVisible() ? " open" : ""), "99 open");
            Type(dialog.txtLevel, "40"); // typed just before OK: not lost
            press();
        });
        EXPECT_EQ(record.level, 40);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(2, "Level must be between 0 and 50."));
}

// Escape and the close box cancel without saving; each opening loads the record again, silent
// about a stored value beyond the box's bounds, and clears the error flag.
TEST_F(RecordDialogTest, CancellingSavesNothingAndOpeningIsSilentAndClearsTheErrorFlag) {
    record.level = 200;
    SampleDialog dialog(table, LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.txtLevel->text(), "200");
        Type(dialog.txtLevel, "77");
        EXPECT_TRUE(dialog.BadInput);
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.txtLevel->text() + (dialog.BadInput ? " bad" : ""), "200");
        Type(dialog.txtLevel, "20");
        dialog.close();
    });
    EXPECT_EQ(dialog.cancels, 2);
    EXPECT_EQ(record, (Record{200, 7, 5}));
    OpenWindow(dialog, [&] { QTest::keyClick(dialog.txtNode, Qt::Key_Return); });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Level must be between 0 and 50."});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(RecordDialogTest, ABoxCheckedOnLeavingIsReplacedAtOnceAndBlocksOkUntilLeftAccepted) {
    SampleDialog dialog(table, LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        Type(dialog.txtExtra, "300");
        EXPECT_TRUE(boxes.Calls().empty()) << "no check while typing";
        QTest::keyClick(dialog.txtExtra, Qt::Key_Tab);
        EXPECT_EQ(dialog.txtExtra->text(), "5");
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << "the error flag stays until a box is left accepted";
        Type(dialog.txtExtra, "300");
        QTest::keyClick(dialog.txtExtra, Qt::Key_Return); // Enter checks the focused box first
        EXPECT_EQ(dialog.txtExtra->text() + (dialog.isVisible() ? " open" : ""), "5 open");
        Type(dialog.txtExtra, "60");
        QTest::keyClick(dialog.txtExtra, Qt::Key_Return);
    });
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>(2, "Extra must be between 0 and 100."));
    EXPECT_EQ(record.extra, 60);
}

// A dialog that closes on opening is not seen and loads again next time; once open, it keeps
// its working copy until closed.
TEST_F(RecordDialogTest, ADialogLoadedOnItsFirstOpeningKeepsItsWorkingCopyUntilClosed) {
    SampleDialog dialog(table, LoadOn::FirstOpening);
    dialog.refuse = true;
    OpenWindow(dialog, [] { ADD_FAILURE() << "a refused dialog was seen"; });
    EXPECT_FALSE(dialog.isVisible());
    dialog.refuse = false;
    OpenWindow(dialog, [&] {
        Type(dialog.txtLevel, "9");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Tab);
        // A message box or a child window takes the activation and gives it back.
        QWidget other;
        ShowActive(other);
        other.close();
        ShowActive(dialog);
        EXPECT_EQ(dialog.txtLevel->text(), "9");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    record.level = 11;
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.txtLevel->text(), "11") << "a closed dialog loads afresh";
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.loads, 3);
}

TEST_F(RecordDialogTest, AnErrorInAHandlerIsReportedWithItsNumberAndTheDialogGoesOn) {
    SampleDialog dialog(table, LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        Type(dialog.txtName, "boom");
        dialog.throwOnSave = true;
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        dialog.throwOnSave = false;
        Type(dialog.txtLevel, "4");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Return);
    });
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>(2, "Error encountered!\r\nErr# 9, Subscript out of range"));
    EXPECT_EQ(boxes.Calls()[0].title + boxes.Calls()[1].title, "ErrorError");
    EXPECT_EQ(record.level, 4);
}

// The arrows save the record left, wrap at both ends, and a value list selects by value,
// showing no entry for a value it does not list, which is kept.
TEST_F(RecordDialogTest, TheArrowsSaveTheEntryLeftAndWrapAndValueListsKeepUnlistedValues) {
    table = {{{1, 7, 5, 0}, {2, 7, 5, 7}, {3, 7, 5, -1}}};
    SampleDialog dialog(table, LoadOn::FirstOpening);
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.lstTown->itemText(0) + " " + dialog.Status(), "Not Assigned 0 1 1");
        Choose(dialog.lstTown, 0); // the author chooses no town
        Type(dialog.txtLevel, "9");
        QTest::mouseClick(dialog.left, Qt::LeftButton); // the click takes the typed value over
        EXPECT_EQ(dialog.Status(), "2 3 0");
        QTest::mouseClick(dialog.right, Qt::LeftButton);
        QTest::mouseClick(dialog.right, Qt::LeftButton);
        EXPECT_EQ(dialog.Status(), "1 2 -1"); // town 7 is not listed
        QTest::mouseClick(dialog.left, Qt::LeftButton);
        Type(dialog.txtLevel, "77");                     // refused as it is typed
        QTest::mouseClick(dialog.right, Qt::LeftButton); // as Enter: no step, the entry stays
        EXPECT_EQ(dialog.Status(), "0 77 0");
        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(table, (Table{{{9, 7, 5, -1}, {2, 7, 5, 7}, {3, 7, 5, -1}}}));
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST(MultiLineBox, TheLimitHoldsForTypingButATextSetByCodeIsShownWhole) {
    MultiLineBox box(10, nullptr);
    box.SetModelText("one\r\ntwo");
    EXPECT_EQ(box.toPlainText(), "one\ntwo");
    box.setFocus();
    box.moveCursor(QTextCursor::End);
    QTest::keyClicks(&box, "abcdef"); // 8 bytes held, room for 2 more
    EXPECT_EQ(box.ModelText(), "one\r\ntwoab");
    box.SetModelText(std::string(20, 'x'));
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Backspace); // shortening is always allowed
    EXPECT_EQ(box.ModelText(), std::string(19, 'x'));
}
