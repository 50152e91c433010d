#include "dialogs/nodes/frmEditText6.h"

#include "dialogs/nodes/frmEditSpNode.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/MultiLineBox.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/SharedForms.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmEditText6::frmEditText6() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* head = new QGridLayout();
    picDlogPic = AddDialogPicture(this);
    head->addWidget(picDlogPic, 0, 0, 2, 1, Qt::AlignTop);
    head->addWidget(AddTitleLabel(this, "Editing dialog box Text:"), 0, 1);
    head->addWidget(new QLabel("Text number:", this), 1, 1, Qt::AlignRight);
    lblTextNum = new QLabel(this);
    lblTextNum->setMinimumWidth(40);
    head->addWidget(lblTextNum, 1, 2);
    head->setColumnStretch(1, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(head);
    for (auto& box : txtText) {
        box = new MultiLineBox(kMaxMessageLength, this);
        box->setFixedSize(460, 3 * box->fontMetrics().height() + 10);
        page->addWidget(box);
    }
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* cancel = new QPushButton("Cancel", this);
    auto* ok = new QPushButton("OK", this);
    SetButtons(ok, cancel);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void frmEditText6::LoadRecord() {
    family_ = MessageFamilyOf(SharedForm<frmEditSpNode>().NodeSet);
    first_ = Mess0;
    editable_ = false;
    if (first_ < 0) first_ = FirstFreeMessageRun(Scen, family_, kDialogLineCount);
    const DialogBlockCheck check = Mess0 < 0 && first_ < 0 ? DialogBlockCheck::NotEnoughRoom
                                                           : CheckDialogBlock(family_, first_);
    if (check == DialogBlockCheck::OutOfRange) {
        MsgBox("Text number out of range.\r\n\r\nCorrect and try again.", msgbox::Exclamation,
               "Error");
        CloseOnOpening();
    } else if (check == DialogBlockCheck::NotEnoughRoom) {
        MsgBox("Not enough contigous text nodes for this dialog.\r\nNeed to edit text nodes "
               "leaving only a '*' in each.",
               msgbox::Exclamation, "Warning");
        CloseOnOpening();
    } else {
        editable_ = true;
    }
}

void frmEditText6::ShowRecord() {
    if (!editable_) return;
    lblTextNum->setText(QString::number(first_));
    for (int i = 0; i < kDialogLineCount; ++i) {
        const std::string& text = MessageText(Scen, family_, first_ + i);
        txtText[static_cast<std::size_t>(i)]->SetModelText(IsFreeMessageText(text) ? "" : text);
    }
}

bool frmEditText6::SaveRecord() {
    bool allEmpty = true;
    for (const MultiLineBox* box : txtText)
        allEmpty = allEmpty && box->ModelText().empty();
    // Nothing typed: a block found free stays free, and a block the node had keeps its texts.
    if (allEmpty) return true;
    for (int i = 0; i < kDialogLineCount; ++i)
        MessageText(Scen, family_, first_ + i) = txtText[static_cast<std::size_t>(i)]->ModelText();
    Mess0 = first_;
    return true;
}
