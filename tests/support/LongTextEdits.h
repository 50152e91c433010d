#pragma once

#include "support/DialogDriver.h"

#include <QLineEdit>
#include <functional>
#include <string>

using BoxEdit = std::function<void(QLineEdit*)>;

// Checks a box whose typing is limited over a stored text longer than the limit, as the game's
// layouts and the flag-name file can hold it. For each way the author may treat the box, the
// field gets the long text and open shows the box's dialog, runs the edit on the box and presses
// OK. Untouched, the field keeps the text whole; typing at its end adds nothing; typing over it
// after Ctrl+A is held to the limit.
inline void ExpectTypingHeldToLimit(const char* box, std::string& field, int limit,
                                    const std::function<void(const BoxEdit&)>& open) {
    const std::string stored = "A long way down the old river road, past the mill and on";
    const std::string typed(static_cast<std::size_t>(limit) + 5, 'x');
    const auto typeAfter = [](QKeyCombination key, const std::string& text) {
        return [=](QLineEdit* b) {
            QTest::mouseClick(b, Qt::LeftButton);
            QTest::keyClick(b, key.key(), key.keyboardModifiers());
            QTest::keyClicks(b, QString::fromStdString(text));
        };
    };
    struct Edit {
        const char* what;
        BoxEdit edit;
        std::string held;
    };
    const Edit edits[] = {
        {"untouched", [](QLineEdit*) {}, stored},
        {"typed at the end", typeAfter(Qt::Key_End, "abc"), stored},
        {"typed over all of it", typeAfter(Qt::ControlModifier | Qt::Key_A, typed),
         typed.substr(0, static_cast<std::size_t>(limit))},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(std::string(box) + ", " + e.what);
        field = stored;
        open(e.edit);
        EXPECT_EQ(field, e.held);
    }
}
