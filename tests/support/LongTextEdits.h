#pragma once

#include "support/DialogDriver.h"

#include <QLineEdit>
#include <functional>
#include <string>
#include <vector>

// What the author does to a box whose typing is limited when it shows a stored text longer
// than the limit, and what the box must then hold: untouched, the stored text whole; typing at
// its end adds nothing; typing over it after Ctrl+A is held to the limit.
struct LongTextEdit {
    const char* what;
    std::function<void(QLineEdit*)> edit;
    std::string held;
};

inline std::vector<LongTextEdit> LongTextEdits(const std::string& stored, int limit) {
    const std::string typed(static_cast<std::size_t>(limit) + 5, 'x');
    const auto clickInto = [](QLineEdit* box) { QTest::mouseClick(box, Qt::LeftButton); };
    return {
        {"untouched", [](QLineEdit*) {}, stored},
        {"typed at the end",
         [clickInto](QLineEdit* box) {
             clickInto(box);
             QTest::keyClick(box, Qt::Key_End);
             QTest::keyClicks(box, "abc");
         },
         stored},
        {"typed over all of it",
         [clickInto, typed](QLineEdit* box) {
             clickInto(box);
             QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(box, QString::fromStdString(typed));
         },
         typed.substr(0, static_cast<std::size_t>(limit))},
    };
}
