#include "platform/qt/DropDownList.h"

#include <QDialog>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The lists measure each text once in their window but must size themselves exactly as
// QComboBox does, at every step where QComboBox measures again or keeps what it measured:
// filled before and after the first showing, emptied, after a change of font, and beside a
// list of the same window that shows the same texts in another font.
TEST(DropDownList, SizesItselfAsAComboBoxDoes) {
    const QString longText(200, QChar('w'));
    for (const QStringList& entries : {QStringList{},
                                       QStringList{"a"},
                                       {"short", "a much longer entry", "short", "short"},
                                       {longText, "x", longText, " padded "}}) {
        SCOPED_TRACE(entries.join('|').left(60).toStdString());
        QDialog dialog;
        QFont font = dialog.font();
        font.setPixelSize(11);
        dialog.setFont(font);
        auto* column = new QVBoxLayout(&dialog);
        // Ours, a plain one, and the same again with a larger font of their own.
        std::vector<QComboBox*> lists;
        for (int i = 0; i < 4; ++i) {
            column->addWidget(lists.emplace_back(i % 2 ? new QComboBox : new DropDownList));
            if (i < 2) continue;
            QFont larger = font;
            larger.setPixelSize(14);
            lists.back()->setFont(larger);
        }
        // What the lists of one kind (ours 0, plain 1) measure, and their sizes.
        const auto measured = [&lists](std::size_t kind) {
            std::vector<QSize> all;
            for (std::size_t i = kind; i < lists.size(); i += 2)
                all.insert(all.end(),
                           {lists[i]->sizeHint(), lists[i]->minimumSizeHint(), lists[i]->size()});
            return all;
        };
        EXPECT_EQ(measured(0), measured(1)) << "empty";
        for (QComboBox* list : lists)
            list->addItems(entries);
        EXPECT_EQ(measured(0), measured(1)) << "filled";
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(measured(0), measured(1)) << "shown";
        for (QComboBox* list : lists) {
            list->clear();
            list->addItems(QStringList{"refilled"} + entries + entries);
        }
        EXPECT_EQ(measured(0), measured(1)) << "refilled after showing";
        font.setPixelSize(15);
        dialog.setFont(font);
        EXPECT_EQ(measured(0), measured(1)) << "font changed";
        for (QComboBox* list : lists)
            list->clear();
        EXPECT_EQ(measured(0), measured(1)) << "emptied";
    }
}
