#pragma once

class QLineEdit;

// Holds what the author types, pastes or drops into the box to limit characters, as a box with
// that maximum length does: an insertion is cut to what still fits, one into a text already at
// or over the limit inserts nothing, and deleting always works. A text set by code is shown
// whole however long it is, and stays unchanged while the author does not edit it, so that a
// stored name longer than the box is neither cut by showing it nor lengthened by typing.
// Undoing restores the texts the box held before.
void LimitTyping(QLineEdit* box, int limit);
