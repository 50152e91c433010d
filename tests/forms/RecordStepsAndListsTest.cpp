#include "forms/MultiLineBox.h"
#include "forms/RecordDialog.h"

#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <array>
#include <gtest/gtest.h>

namespace {
struct Entry {
    std::int16_t size = 0;
    std::int16_t town = -1;
    bool operator==(const Entry&) const = default;
};

// A dialog over a table of three entries, stepped through with the arrows, with one numeric
// box and one value list whose first entry stands for no town.
class TableDialog : public RecordDialog {
  public:
    explicit TableDialog(std::array<Entry, 3>& table)
        : RecordDialog(LoadOn::FirstOpening), table_(table) {
        auto* layout = new QVBoxLayout(this);
        txtSize = new QLineEdit(this);
        lstTown = new QComboBox(this);
        left = new QPushButton("<", this);
        right = new QPushButton(">", this);
        auto* ok = new QPushButton("OK", this);
        auto* cancel = new QPushButton("Cancel", this);
        for (QWidget* w :
             std::initializer_list<QWidget*>{txtSize, lstTown, left, right, ok, cancel})
            layout->addWidget(w);
        SetButtons(ok, cancel);
        SetArrows(left, right);
        BindNumber(txtSize, &copy.size, {"Size", 0, 50});
        BindList(lstTown, &copy.town, "Not Assigned").Fill({" 0 - Harbour", " 1 - Fort"});
    }

    QLineEdit* txtSize = nullptr;
    QComboBox* lstTown = nullptr;
    QPushButton* left = nullptr;
    QPushButton* right = nullptr;
    int number = 0;
    Entry copy;
    bool refuse = false; // the entry cannot be edited after all
    int loads = 0;

  protected:
    void LoadRecord() override {
        ++loads;
        if (refuse) CloseOnOpening();
        copy = table_[static_cast<std::size_t>(number)];
    }
    void ShowRecord() override {}
    bool SaveRecord() override {
        table_[static_cast<std::size_t>(number)] = copy;
        return true;
    }
    int RecordCount() const override { return 3; }
    int RecordNumber() const override { return number; }
    void SetRecordNumber(int n) override { number = n; }

  private:
    std::array<Entry, 3>& table_;
};

class RecordStepsTest : public ::testing::Test {
  protected:
    std::array<Entry, 3> table{{{1, 0}, {2, 7}, {3, -1}}};
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(RecordStepsTest, TheArrowsSaveTheEntryLeftAndWrapAtBothEnds) {
    TableDialog dialog(table);
    OpenWindow(dialog, [&] {
        Type(dialog.txtSize, "9");
        QTest::mouseClick(dialog.left, Qt::LeftButton); // the click takes the typed value over
        EXPECT_EQ(dialog.number, 2);
        EXPECT_EQ(dialog.txtSize->text(), "3");
        QTest::mouseClick(dialog.right, Qt::LeftButton);
        EXPECT_EQ(dialog.number, 0);
        EXPECT_EQ(dialog.txtSize->text(), "9");
        Type(dialog.txtSize, "77");                      // refused as it is typed
        QTest::mouseClick(dialog.right, Qt::LeftButton); // as Enter: no step, the entry stays
        EXPECT_EQ(dialog.number, 0);
        EXPECT_EQ(dialog.txtSize->text(), "77");
        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(table[0].size, 9);
    EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST_F(RecordStepsTest, AValueListSelectsByValueAndKeepsAValueItDoesNotList) {
    TableDialog dialog(table);
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.lstTown->currentIndex(), 1); // town 0, after "Not Assigned"
        EXPECT_EQ(dialog.lstTown->itemText(0), "Not Assigned");
        dialog.lstTown->setFocus();
        QTest::keyClick(dialog.lstTown, Qt::Key_Home); // the author chooses no town
        QTest::mouseClick(dialog.right, Qt::LeftButton);
        EXPECT_EQ(dialog.lstTown->currentIndex(), -1); // town 7 is not listed
        QTest::mouseClick(dialog.right, Qt::LeftButton);
        EXPECT_EQ(dialog.lstTown->currentIndex(), 0);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(table[0].town, -1);
    EXPECT_EQ(table[1].town, 7);
}

TEST_F(RecordStepsTest, ADialogThatClosesOnOpeningIsNotSeenAndLoadsAgainNextTime) {
    TableDialog dialog(table);
    dialog.refuse = true;
    bool seen = false;
    OpenWindow(dialog, [&] { seen = true; });
    EXPECT_FALSE(seen);
    EXPECT_FALSE(dialog.isVisible());
    dialog.refuse = false;
    OpenWindow(dialog, [&] {
        seen = true;
        QTest::keyClick(dialog.txtSize, Qt::Key_Escape);
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(dialog.loads, 2);
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
    EXPECT_EQ(box.ModelText().size(), 20u);
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Backspace); // shortening is always allowed
    EXPECT_EQ(box.ModelText().size(), 19u);
}
