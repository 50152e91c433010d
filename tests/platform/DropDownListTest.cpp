#include "platform/qt/DropDownList.h"

#include <QDialog>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The list measures each text once but must size itself exactly as QComboBox does, at every
// step where QComboBox measures again or keeps what it measured: filled before and after its
// first showing, emptied, and after a change of font.
TEST(DropDownList, SizesItselfAsAComboBoxDoes) {
    const QString longText(200, QChar('w'));
    const QStringList entrySets[] = {
        {},
        {"a"},
        {"short", "a much longer entry", "short", "short"},
        {longText, "x", longText, " padded "},
    };
    for (const QStringList& entries : entrySets) {
        SCOPED_TRACE(entries.join('|').left(60).toStdString());
        QDialog dialog;
        QFont small = dialog.font();
        small.setPixelSize(11);
        dialog.setFont(small);
        auto* column = new QVBoxLayout(&dialog);
        auto* ours = new DropDownList(&dialog);
        auto* plain = new QComboBox(&dialog);
        column->addWidget(ours);
        column->addWidget(plain);
        const auto expectSameHints = [ours, plain](const char* step) {
            SCOPED_TRACE(step);
            EXPECT_EQ(ours->sizeHint(), plain->sizeHint());
            EXPECT_EQ(ours->minimumSizeHint(), plain->minimumSizeHint());
        };
        expectSameHints("empty");
        for (QComboBox* list : {static_cast<QComboBox*>(ours), plain})
            list->addItems(entries);
        expectSameHints("filled");
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        expectSameHints("shown");
        EXPECT_EQ(ours->size(), plain->size());
        for (QComboBox* list : {static_cast<QComboBox*>(ours), plain}) {
            list->clear();
            list->addItems(QStringList{"refilled"} + entries + entries);
        }
        expectSameHints("refilled after showing");
        small.setPixelSize(15);
        dialog.setFont(small);
        expectSameHints("font changed");
        for (QComboBox* list : {static_cast<QComboBox*>(ours), plain})
            list->clear();
        expectSameHints("emptied");
    }
}
