#include "dialogs/nodes/SingleTextDialog.h"

#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/MultiLineBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SingleTextDialog::SingleTextDialog(int maxLength) : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* head = new QGridLayout();
    picDlogPic = AddDialogPicture(this);
    head->addWidget(picDlogPic, 0, 0, 2, 1, Qt::AlignTop);
    head->addWidget(AddTitleLabel(this, "Editing text:"), 0, 1);
    lblNumberCaption = new QLabel("Text number:", this);
    head->addWidget(lblNumberCaption, 1, 1, Qt::AlignRight);
    lblTextNum = new QLabel(this);
    lblTextNum->setMinimumWidth(40);
    head->addWidget(lblTextNum, 1, 2);
    head->setColumnStretch(1, 1);

    txtText = new MultiLineBox(maxLength, this);
    txtText->setFixedSize(420, 6 * txtText->fontMetrics().height() + 10);

    auto* buttons = new QHBoxLayout();
    cmdScrollLeft = new QPushButton("<", this);
    cmdScrollRight = new QPushButton(">", this);
    SetArrows(cmdScrollLeft, cmdScrollRight);
    buttons->addWidget(cmdScrollLeft);
    buttons->addWidget(cmdScrollRight);
    cmdClear = new QPushButton("Clear", this);
    cmdClear->setAutoDefault(false);
    Connect(cmdClear, &QPushButton::clicked, [this] { cmdClear_Click(); });
    buttons->addWidget(cmdClear);
    buttons->addStretch(1);
    auto* cancel = new QPushButton("Cancel", this);
    auto* ok = new QPushButton("OK", this);
    SetButtons(ok, cancel);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);

    auto* page = new QVBoxLayout(this);
    page->addLayout(head);
    page->addWidget(txtText);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void SingleTextDialog::FocusText() {
    if (isVisible()) txtText->setFocus();
}
