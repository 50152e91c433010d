#include "platform/qt/DropDownList.h"

#include <QDialog>
#include <QTest>
#include <QVBoxLayout>
#include <array>
#include <gtest/gtest.h>
#include <utility>

// The lists measure each text once in their window but must size themselves exactly as
// QComboBox does, at every step where QComboBox measures again or keeps what it measured:
// filled before and after the first showing, emptied, after a change of font, and beside a
// list of the same window that shows the same texts in another font.
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
        QFont font = dialog.font();
        font.setPixelSize(11);
        dialog.setFont(font);
        auto* column = new QVBoxLayout(&dialog);
        // Pairs of our list and a plain one; the second pair has a larger font of its own.
        std::array<std::pair<QComboBox*, QComboBox*>, 2> pairs;
        for (auto& [ours, plain] : pairs) {
            ours = new DropDownList(&dialog);
            plain = new QComboBox(&dialog);
            column->addWidget(ours);
            column->addWidget(plain);
        }
        QFont larger = font;
        larger.setPixelSize(14);
        pairs[1].first->setFont(larger);
        pairs[1].second->setFont(larger);
        const auto forEach = [&pairs](const auto& act) {
            for (auto& [ours, plain] : pairs) {
                act(ours);
                act(plain);
            }
        };
        const auto expectSameHints = [&pairs](const char* step) {
            SCOPED_TRACE(step);
            for (const auto& [ours, plain] : pairs) {
                EXPECT_EQ(ours->sizeHint(), plain->sizeHint());
                EXPECT_EQ(ours->minimumSizeHint(), plain->minimumSizeHint());
            }
        };
        expectSameHints("empty");
        forEach([&entries](QComboBox* list) { list->addItems(entries); });
        expectSameHints("filled");
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        expectSameHints("shown");
        for (const auto& [ours, plain] : pairs)
            EXPECT_EQ(ours->size(), plain->size());
        forEach([&entries](QComboBox* list) {
            list->clear();
            list->addItems(QStringList{"refilled"} + entries + entries);
        });
        expectSameHints("refilled after showing");
        font.setPixelSize(15);
        dialog.setFont(font);
        expectSameHints("font changed");
        forEach([](QComboBox* list) { list->clear(); });
        expectSameHints("emptied");
    }
}
