#pragma once

#include "support/DialogDriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <string>

// Boxes whose typing is limited, over a stored text longer than the limit, as the game's layouts
// and the flag-name file can hold it. The text must be shown whole, and typing over it held to
// the limit.

// Gives the field a text ten characters longer than the limit, and returns what it must hold
// once TypeOverTheStart has run on its box and the dialog has stored it.
inline std::string PutLongText(std::string& field, int limit) {
    field.clear();
    for (int i = 0; i < limit + 10; ++i)
        field += static_cast<char>('a' + i % 26);
    return "XXXXX" + field.substr(15);
}

// Types ten characters over the first fifteen of the box's text, then clicks the button if one
// is given.
inline void TypeOverTheStart(QLineEdit* box, QPushButton* then = nullptr) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(box, "XXXXXXXXXX");
    if (then) Click(then);
}
