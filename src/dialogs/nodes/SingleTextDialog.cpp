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
    picDlogPic = AddDialogPicture(this);
    const NumberedHeading heading =
        MakeNumberedHeading(this, picDlogPic, "Editing text:", "Text number:");
    lblNumberCaption = heading.Caption;
    lblTextNum = heading.Number;

    txtText = new MultiLineBox(maxLength, this);
    txtText->setFixedSize(420, 6 * txtText->fontMetrics().height() + 10);

    const SignArrows arrows = MakeSignArrows(this);
    cmdScrollLeft = arrows.Left;
    cmdScrollRight = arrows.Right;
    SetArrows(cmdScrollLeft, cmdScrollRight);
    cmdClear = new QPushButton("Clear", this);
    cmdClear->setAutoDefault(false);
    Connect(cmdClear, &QPushButton::clicked, [this] { cmdClear_Click(); });
    const FootRow foot =
        MakeFootRow(this, Closing::CancelOk, {cmdScrollLeft, cmdScrollRight, cmdClear});
    SetButtons(foot.Ok, foot.Cancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(heading.Grid);
    page->addWidget(txtText);
    page->addLayout(foot.Row);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void SingleTextDialog::FocusText() {
    if (isVisible()) txtText->setFocus();
}
