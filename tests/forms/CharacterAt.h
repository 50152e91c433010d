#pragma once

#include "forms/MultiLineBox.h"

#include <QPoint>
#include <QTextCursor>

// Where the character at `position` of the multi-line box lies, on its text area.
inline QPoint CharacterAt(MultiLineBox* box, int position) {
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(position);
    return box->cursorRect(cursor).center();
}
