#pragma once

class QBoxLayout;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

// Layout pieces the node and text dialogs share.

// The heading of a numbered text dialog: picture at the left over two rows, the title beside it
// and, below the title, numberCaption at the right with the label that shows the number.
struct NumberedHeading {
    QGridLayout* Grid = nullptr;
    QLabel* Caption = nullptr;
    QLabel* Number = nullptr;
};
NumberedHeading MakeNumberedHeading(QWidget* dialog, QWidget* picture, const char* title,
                                    const char* numberCaption);

// The record arrows "<" and ">" at the end of row.
void AddArrows(QWidget* dialog, QBoxLayout* row, QPushButton*& left, QPushButton*& right);

// Cancel and OK at the end of row. Cancel is made first, so Tab reaches it before OK.
struct CancelOk {
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;
};
CancelOk AddCancelOk(QWidget* dialog, QBoxLayout* row);
