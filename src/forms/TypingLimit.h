#pragma once

#include <QString>

class QLineEdit;

// Holds what the author types, pastes or drops into the box to limit characters, as a box with
// that maximum length does: an insertion is cut to what still fits, one into a text already at
// or over the limit inserts nothing, and deleting always works. A text set by code is shown
// whole however long it is, and stays unchanged while the author does not edit it, so that a
// stored name longer than the box is neither cut by showing it nor lengthened by typing.
// Undoing restores the texts the box held before, also after a paste by key that was cut; a
// paste or drop cut any other way starts the box's undo steps afresh.
void LimitTyping(QLineEdit* box, int limit);

// An edit that replaced the middle of a text: its first `head` characters and its last `tail`
// are the same before and after the edit, and the `inserted` characters between them are new.
// Of those, the first `fitting` fit in the limit; none fit when the rest of the text is at or
// over the limit already.
struct HeldEdit {
    qsizetype head = 0;
    qsizetype inserted = 0;
    qsizetype tail = 0;
    qsizetype fitting = 0;
};

// Finds the edit that turned `before` into `after` and left the cursor at `cursor`, and how
// much of what it inserted fits in `limit`. A line break counts `lineBreakLength` towards the
// limit; where only part of one would fit, the insertion ends before it.
HeldEdit HoldToLimit(const QString& before, const QString& after, qsizetype cursor, qsizetype limit,
                     int lineBreakLength = 1);
