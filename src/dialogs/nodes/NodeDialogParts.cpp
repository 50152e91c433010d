#include "dialogs/nodes/NodeDialogParts.h"

#include "forms/DialogParts.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

NumberedHeading MakeNumberedHeading(QWidget* dialog, QWidget* picture, const char* title,
                                    const char* numberCaption) {
    NumberedHeading heading;
    heading.Grid = new QGridLayout();
    heading.Grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    heading.Grid->addWidget(AddTitleLabel(dialog, title), 0, 1);
    heading.Caption = new QLabel(numberCaption, dialog);
    heading.Grid->addWidget(heading.Caption, 1, 1, Qt::AlignRight);
    heading.Number = new QLabel(dialog);
    heading.Number->setMinimumWidth(40);
    heading.Grid->addWidget(heading.Number, 1, 2);
    heading.Grid->setColumnStretch(1, 1);
    return heading;
}

void AddArrows(QWidget* dialog, QBoxLayout* row, QPushButton*& left, QPushButton*& right) {
    left = new QPushButton("<", dialog);
    right = new QPushButton(">", dialog);
    row->addWidget(left);
    row->addWidget(right);
}

CancelOk AddCancelOk(QWidget* dialog, QBoxLayout* row) {
    CancelOk buttons;
    buttons.Cancel = new QPushButton("Cancel", dialog);
    buttons.Ok = new QPushButton("OK", dialog);
    row->addWidget(buttons.Cancel);
    row->addWidget(buttons.Ok);
    return buttons;
}
