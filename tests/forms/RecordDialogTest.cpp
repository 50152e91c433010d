#include "forms/RecordDialog.h"
#include "forms/MultiLineBox.h"
#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"

#include <QPushButton>
#include <QVBoxLayout>
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
    SampleDialog dialog{table, LoadOn::EveryOpening};
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
        {&SampleDialog::txtLevel, "x", "3", {"Level must be numeric."}, {3, 7, 5}},
        {&SampleDialog::txtLevel, "", "0", {}, {0, 7, 5}},
        {&SampleDialog::txtNode, "", "-1", {}, {3, -1, 5}},
        {&SampleDialog::txtNode, "-", "7", {}, {3, 7, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        record = {};
        MsgBoxRecorder local;
        OpenWindow(dialog, [&] {
            TypeInto(dialog.*c.box, c.typed);
            EXPECT_EQ((dialog.*c.box)->text(), c.shownAfterLeaving);
            Click(dialog.cmdOK);
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(local.Texts(), c.messages);
        EXPECT_EQ(record, c.saved);
    }
}

// Escape and the close box cancel without saving; each opening loads the record again, silent
// about a stored value beyond the box's bounds, and clears the error flag. An error in a
// handler is reported with its number and the dialog goes on.
TEST_F(RecordDialogTest, CancellingSavesNothingOpeningIsSilentAndAnErrorIsReported) {
    record.level = 200;
    OpenWindow(dialog, [&] {
        Type(dialog.txtLevel, "77");
        EXPECT_TRUE(dialog.BadInput);
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.txtLevel->text() + (dialog.BadInput ? " bad" : ""), "200");
        Type(dialog.txtLevel, "20");
        dialog.close();
    });
    EXPECT_EQ(std::pair(dialog.cancels, record), std::pair(2, Record{200, 7, 5}));
    OpenWindow(dialog, [&] {
        QTest::keyClick(dialog.txtNode, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    OpenWindow(dialog, [&] {
        Type(dialog.txtName, "boom");
        dialog.throwOnSave = true;
        Click(dialog.cmdOK);
        EXPECT_TRUE(dialog.isVisible());
        dialog.throwOnSave = false;
        Type(dialog.txtLevel, "4");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Return);
    });
    const std::string error = "Error encountered!\r\nErr# 9, Subscript out of range";
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Level must be between 0 and 50.", error, error}));
    EXPECT_EQ(boxes.Calls()[1].title + boxes.Calls()[2].title, "ErrorError");
    EXPECT_EQ(record.level, 4);
}

// A dialog that closes on opening is not seen and loads again next time; once open, it keeps
// its working copy until closed.
TEST_F(RecordDialogTest, ADialogLoadedOnItsFirstOpeningKeepsItsWorkingCopyUntilClosed) {
    SampleDialog first(table, LoadOn::FirstOpening);
    first.refuse = true;
    {
        WindowScript none; // a window seen fails the test
        ShowModal(first);
    }
    first.refuse = false;
    OpenWindow(first, [&] {
        TypeInto(first.txtLevel, "9");
        // A message box or a child window takes the activation and gives it back.
        QWidget other;
        ShowActive(other);
        other.close();
        ShowActive(first);
        EXPECT_EQ(first.txtLevel->text(), "9");
        QTest::keyClick(first.txtLevel, Qt::Key_Escape);
    });
    record.level = 11;
    OpenWindow(first, [&] {
        EXPECT_EQ(first.txtLevel->text(), "11") << "a closed dialog loads afresh";
        QTest::keyClick(first.txtLevel, Qt::Key_Escape);
    });
    EXPECT_EQ(first.loads, 3);
}

// The arrows save the record left and wrap, and a click on one over a refused entry puts the
// last good value back before it saves and steps; a value list selects by value, showing no entry
// for a value it does not list, which is kept.
TEST_F(RecordDialogTest, TheArrowsSaveTheEntryLeftAndWrapAndValueListsKeepUnlistedValues) {
    table = {{{1, 7, 5, 0}, {2, 7, 5, 7}, {3, 7, 5, -1}}};
    SampleDialog first(table, LoadOn::FirstOpening);
    OpenWindow(first, [&] {
        EXPECT_EQ(first.lstTown->itemText(0) + " " + first.Status(), "Not Assigned 0 1 1");
        Choose(first.lstTown, 0); // the author chooses no town
        Type(first.txtLevel, "9");
        Click(first.left); // the click takes the typed value over
        EXPECT_EQ(first.Status(), "2 3 0");
        Click(first.right);
        Click(first.right);
        EXPECT_EQ(first.Status(), "1 2 -1"); // town 7 is not listed
        Click(first.left);
        TypeInto(first.txtNode, "12");
        Type(first.txtLevel, "77"); // refused as it is typed
        Click(first.right);         // 9 comes back, the record is saved with it, and it steps
        EXPECT_EQ(first.Status(), "1 2 -1");
        Click(first.cmdCancel);
    });
    EXPECT_EQ(table, (Table{{{9, 12, 5, -1}, {2, 7, 5, 7}, {3, 7, 5, -1}}}));
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
