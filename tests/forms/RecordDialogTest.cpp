#include "forms/RecordDialog.h"

#include "support/DialogDriver.h"
#include "support/MsgBoxRecorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct Record {
    std::uint8_t level = 3;
    std::int16_t node = 7;
    std::int16_t extra = 5;
    bool operator==(const Record&) const = default;
};

// A dialog with one box of each kind the kit offers, over a record of the test's own.
class SampleDialog : public RecordDialog {
  public:
    SampleDialog(Record& record, LoadOn loadOn) : RecordDialog(loadOn), record_(record) {
        auto* layout = new QVBoxLayout(this);
        for (QLineEdit** box : {&txtLevel, &txtNode, &txtExtra, &txtName}) {
            *box = new QLineEdit(this);
            layout->addWidget(*box);
        }
        auto* ok = new QPushButton("OK", this);
        auto* cancel = new QPushButton("Cancel", this);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        SetButtons(ok, cancel);
        BindNumber(txtLevel, &copy.level, {"Level", 0, 50});
        BindNumber(txtNode, &copy.node, {"Node", -1, 99, -1});
        BindNumber(txtExtra, &copy.extra, {"Extra", 0, 100, 0, NumberRule::Check::OnFocusLoss});
        Connect(txtName, &QLineEdit::textChanged, [](const QString& text) {
            if (text == "boom") throw std::out_of_range("no such slot");
        });
    }

    QLineEdit* txtLevel = nullptr;
    QLineEdit* txtNode = nullptr;
    QLineEdit* txtExtra = nullptr;
    QLineEdit* txtName = nullptr;
    Record copy;
    int loads = 0;
    int cancels = 0;
    bool throwOnSave = false;

  protected:
    void LoadRecord() override {
        ++loads;
        copy = record_;
    }
    void ShowRecord() override { txtLevel->setFocus(); }
    bool SaveRecord() override {
        if (throwOnSave) throw std::out_of_range("vector::at");
        record_ = copy;
        return true;
    }
    void Cancelled() override { ++cancels; }

  private:
    Record& record_;
};

class RecordDialogTest : public ::testing::Test {
  protected:
    std::vector<std::string> Shown() const { return boxes.Texts(); }

    Record record;
    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(RecordDialogTest, LeavingABoxTakesAnAcceptedEntryAndPutsBackARejectedOne) {
    struct Case {
        const char* typed;
        const char* shownAfterLeaving;
        std::vector<std::string> messages;
        Record saved;
    };
    const Case cases[] = {
        {"12", "12", {}, {12, 7, 5}},
        {"51", "3", {"Level must be between 0 and 50."}, {3, 7, 5}},
        {"x", "3", {"Level must be numeric."}, {3, 7, 5}},
        {"", "0", {}, {0, 7, 5}},
    };
    for (const Case& c : cases) {
        record = {};
        SampleDialog dialog(record, RecordDialog::LoadOn::EveryOpening);
        MsgBoxRecorder local;
        OpenWindow(dialog, [&] {
            EXPECT_EQ(dialog.txtLevel->text(), "3");
            Type(dialog.txtLevel, c.typed);
            QTest::keyClick(dialog.txtLevel, Qt::Key_Tab);
            EXPECT_EQ(dialog.txtLevel->text(), c.shownAfterLeaving) << c.typed;
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        EXPECT_EQ(local.Texts(), c.messages) << c.typed;
        EXPECT_EQ(record, c.saved) << c.typed;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(RecordDialogTest, AnEmptiedBoxShowsAndTakesItsEmptyValue) {
    SampleDialog dialog(record, RecordDialog::LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        Type(dialog.txtNode, "");
        QTest::keyClick(dialog.txtNode, Qt::Key_Tab);
        EXPECT_EQ(dialog.txtNode->text(), "-1");
        EXPECT_EQ(dialog.copy.node, -1);
        Type(dialog.txtNode, "-"); // accepted while typing, but no number: the last one stays
        QTest::keyClick(dialog.txtNode, Qt::Key_Tab);
        EXPECT_EQ(dialog.txtNode->text(), "-1");
        QTest::keyClick(dialog.txtName, Qt::Key_Escape);
    });
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(record, Record{});
}

// A mouse click on OK once took the focus from a box holding a rejected entry, which put the
// last good value back, and the dialog closed with it; the click now acts as Enter does.
TEST_F(RecordDialogTest, NeitherEnterNorAClickOnOkClosesOverARejectedEntry) {
    for (const bool click : {false, true}) {
        SCOPED_TRACE(click ? "click" : "Enter");
        record = {};
        SampleDialog dialog(record, RecordDialog::LoadOn::EveryOpening);
        const auto press = [&] {
            if (click)
                QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
            else
                QTest::keyClick(dialog.txtLevel, Qt::Key_Return);
        };
        OpenWindow(dialog, [&] {
            Type(dialog.txtLevel, "99");
            press();
            EXPECT_TRUE(dialog.isVisible()) << "OK refused while the entry is rejected";
            EXPECT_EQ(dialog.txtLevel->text(), "99");
            Type(dialog.txtLevel, "40"); // typed just before OK: not lost
            press();
        });
        EXPECT_EQ(record.level, 40);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(Shown(), std::vector<std::string>(2, "Level must be between 0 and 50."));
}

TEST_F(RecordDialogTest, EscapeAndTheCloseBoxCancelWithoutSaving) {
    SampleDialog dialog(record, RecordDialog::LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        Type(dialog.txtLevel, "20");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.txtLevel->text(), "3") << "each opening loads the record again";
        Type(dialog.txtLevel, "20");
        dialog.close();
    });
    EXPECT_EQ(dialog.cancels, 2);
    EXPECT_EQ(record, Record{});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(RecordDialogTest, OpeningIsSilentAndClearsTheErrorFlag) {
    record.level = 200; // a stored value beyond the box's bounds is shown without a message
    SampleDialog dialog(record, RecordDialog::LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.txtLevel->text(), "200");
        Type(dialog.txtLevel, "77");
        EXPECT_TRUE(dialog.BadInput);
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    OpenWindow(dialog, [&] {
        EXPECT_FALSE(dialog.BadInput);
        QTest::keyClick(dialog.txtNode, Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), std::vector<std::string>{"Level must be between 0 and 50."});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(RecordDialogTest, ABoxCheckedOnLeavingIsReplacedAtOnceAndBlocksOkUntilLeftAccepted) {
    SampleDialog dialog(record, RecordDialog::LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        Type(dialog.txtExtra, "300");
        EXPECT_TRUE(boxes.Calls().empty()) << "no check while typing";
        QTest::keyClick(dialog.txtExtra, Qt::Key_Tab);
        EXPECT_EQ(dialog.txtExtra->text(), "5");
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << "the error flag stays until a box is left accepted";
        Type(dialog.txtExtra, "300");
        QTest::keyClick(dialog.txtExtra, Qt::Key_Return); // Enter checks the focused box first
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.txtExtra->text(), "5");
        Type(dialog.txtExtra, "60");
        QTest::keyClick(dialog.txtExtra, Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), std::vector<std::string>(2, "Extra must be between 0 and 100."));
    EXPECT_EQ(record.extra, 60);
}

TEST_F(RecordDialogTest, ADialogLoadedOnItsFirstOpeningKeepsItsWorkingCopyUntilClosed) {
    SampleDialog dialog(record, RecordDialog::LoadOn::FirstOpening);
    OpenWindow(dialog, [&] {
        Type(dialog.txtLevel, "9");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Tab);
        // A message box or a child window takes the activation and gives it back.
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        other.close();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_EQ(dialog.txtLevel->text(), "9");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    record.level = 11;
    OpenWindow(dialog, [&] {
        EXPECT_EQ(dialog.txtLevel->text(), "11") << "a closed dialog loads afresh";
        QTest::keyClick(dialog.txtLevel, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.loads, 2);
}

TEST_F(RecordDialogTest, AnErrorInAHandlerIsReportedWithItsNumberAndTheDialogGoesOn) {
    SampleDialog dialog(record, RecordDialog::LoadOn::EveryOpening);
    OpenWindow(dialog, [&] {
        Type(dialog.txtName, "boom");
        dialog.throwOnSave = true;
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        dialog.throwOnSave = false;
        Type(dialog.txtLevel, "4");
        QTest::keyClick(dialog.txtLevel, Qt::Key_Return);
    });
    ASSERT_EQ(boxes.Calls().size(), 2u);
    for (const MsgBoxCall& call : boxes.Calls()) {
        EXPECT_EQ(call.text, "Error encountered!\r\nErr# 9, Subscript out of range");
        EXPECT_EQ(call.title, "Error");
    }
    EXPECT_EQ(record.level, 4);
}
