#include "dialogs/records/frmEditItem.h"
#include "support/MainWindowFixture.h"
#include "support/SampleScenario.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
class RecordEditorOpenersTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Scenario s = MakeVariedScenario(1, 1, 1, 3);
        s.ItemTypes[7].Name = "Rope                     ";
        StartWith(s);
    }
    void TearDown() override {
        SetModalFormHook({});
        MainWindowFixture::TearDown();
    }

    MsgBoxRecorder boxes;
};
} // namespace

TEST_F(RecordEditorOpenersTest, DoubleClickOnAnItemOpensItsEditorAndTheListShowsTheEdit) {
    int opened = -1;
    SetModalFormHook([&opened](ModalForm& form) {
        auto* editorFound = OpenedAs<frmEditItem>(form);
        if (!editorFound) return;
        auto& editor = *editorFound;
        opened = editor.ItemNum;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_EQ(editor.txtName->text(), "Rope");
        editor.txtName->setFocus();
        editor.txtName->selectAll();
        QTest::keyClicks(editor.txtName, "Silk rope");
        QTest::keyClick(editor.txtName, Qt::Key_Return);
    });
    window->mnuScenItems->trigger();
    QListWidget& list = *window->List1;
    list.scrollToItem(list.item(7));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       list.visualItemRect(list.item(7)).center());
    SetModalFormHook({});
    EXPECT_EQ(opened, 7);
    EXPECT_EQ(Scen.ItemTypes[7].Name, "Silk rope                ");
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.currentRow(), 7);
    EXPECT_TRUE(list.item(7)->text().contains("Silk rope"));
}
