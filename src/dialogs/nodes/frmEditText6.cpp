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
    picDlogPic = AddDialogPicture(this);
    const NumberedHeading heading =
        MakeNumberedHeading(this, picDlogPic, "Editing dialog box Text:", "Text number:");
    lblTextNum = heading.Number;

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading.Grid);
    for (auto& box : txtText) {
        box = new MultiLineBox(kMaxMessageLength, this);
        box->setFixedSize(460, 3 * box->fontMetrics().height() + 10);
        page->addWidget(box);
    }
    const FootRow foot = MakeFootRow(this, Closing::CancelOk);
    SetButtons(foot.Ok, foot.Cancel);
    page->addLayout(foot.Row);
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
