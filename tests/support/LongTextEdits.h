#pragma once

#include "support/DialogDriver.h"

#include <QLineEdit>
#include <functional>
#include <string>

using BoxEdit = std::function<void(QLineEdit*)>;

// Checks a box whose typing is limited over a stored text ten characters longer than the limit,
// as the game's layouts and the flag-name file can hold it: the field gets the text, and open
// shows the box's dialog, runs the edit on the box and presses OK. The text must be shown whole
// and typing over it held to the limit: ten characters typed over its first fifteen keep five.
inline void ExpectTypingHeldToLimit(const char* box, std::string& field, int limit,
                                    const std::function<void(const BoxEdit&)>& open) {
    std::string stored;
    for (int i = 0; i < limit + 10; ++i)
        stored += static_cast<char>('a' + i % 26);
    field = stored;
    open([](QLineEdit* b) {
        QTest::mouseClick(b, Qt::LeftButton);
        QTest::keyClick(b, Qt::Key_Home);
        for (int i = 0; i < 15; ++i)
            QTest::keyClick(b, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClicks(b, "XXXXXXXXXX");
    });
    EXPECT_EQ(field, "XXXXX" + stored.substr(15)) << box;
}
