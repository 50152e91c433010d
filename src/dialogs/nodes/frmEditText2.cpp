#include "dialogs/nodes/frmEditText2.h"

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

frmEditText2::frmEditText2() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    picDlogPic = AddDialogPicture(this);
    const NumberedHeading heading =
        MakeNumberedHeading(this, picDlogPic, "Editing Special Message:", "Text number:");
    lblTextNum = heading.Number;

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading.Grid);
    auto* note = new QLabel("This encounter may have one or two pieces of text appear. You may "
                            "leave one or both blank.",
                            this);
    note->setWordWrap(true);
    page->addWidget(note);
    for (auto& box : txtText) {
        box = new MultiLineBox(kMaxMessageLength, this);
        box->setFixedSize(460, 5 * box->fontMetrics().height() + 10);
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        page->addWidget(box);
    }
    const FootRow foot = MakeFootRow(this, Closing::CancelOk);
    SetButtons(foot.Ok, foot.Cancel);
    page->addLayout(foot.Row);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmEditText2::Editable(int k) const {
    return IsMessageOfFamily(family_, messages_.Number[k]);
}

void frmEditText2::LoadRecord() {
    family_ = MessageFamilyOf(SharedForm<frmEditSpNode>().NodeSet);
    messages_ = FindTwoMessages(Scen, family_, Mess0, Mess1);
    // A number beyond the family names no message of it: its box is hidden, and nothing is
    // read or written for it.
    for (int k = 0; k < 2; ++k)
        txtText[static_cast<std::size_t>(k)]->setVisible(Editable(k));
    closing_ = false;
    if (messages_.Number[0] < 0 && messages_.Number[1] < 0) {
        MsgBox("There are not enough text nodes for this dialog.\r\n\r\nTo free up some slots use "
               "Edit Text and click 'Clear'.",
               msgbox::Exclamation, "Error");
        closing_ = true;
    } else if (!Editable(0)) {
        MsgBox("Text number out of range.\r\n\r\nCorrect and try again.", msgbox::Exclamation,
               "Error");
        closing_ = true;
    } else if (!Editable(1)) {
        MsgBox("No more text fields available.\r\n\r\nYou may have to clear some.",
               msgbox::Exclamation, "Error");
    }
    if (closing_) CloseOnOpening();
}

void frmEditText2::ShowRecord() {
    if (closing_) return;
    const std::int16_t first = messages_.Number[0];
    lblTextNum->setText(first >= 0 ? " " + QString::number(first) : QString::number(first));
    for (int k = 0; k < 2; ++k) {
        MultiLineBox* box = txtText[static_cast<std::size_t>(k)];
        // A message the node had shows whatever its slot holds; a slot just found shows empty.
        box->SetModelText(Editable(k) && messages_.PassedIn[k]
                              ? MessageText(Scen, family_, messages_.Number[k])
                              : std::string());
    }
}

bool frmEditText2::SaveRecord() {
    std::int16_t numbers[2] = {messages_.Number[0], messages_.Number[1]};
    for (int k = 0; k < 2; ++k) {
        if (!Editable(k)) {
            // Only a number beyond the family is kept as the opener gave it; a message for which
            // no slot was found stays without one.
            if (messages_.Number[k] >= 0) numbers[k] = k == 0 ? Mess0 : Mess1;
            continue;
        }
        const std::string text = txtText[static_cast<std::size_t>(k)]->ModelText();
        if (text.empty())
            numbers[k] = -1; // the old text stays in the table; the slot is not freed
        else
            MessageText(Scen, family_, numbers[k]) = text;
    }
    Mess0 = numbers[0];
    Mess1 = numbers[1];
    return true;
}
