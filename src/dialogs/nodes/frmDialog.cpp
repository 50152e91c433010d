#include "dialogs/nodes/frmDialog.h"

#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/MultiLineBox.h"
#include "forms/TypingLimit.h"
#include "platform/qt/QtText.h"
#include "scenario/Scenario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kNameLimit = 30;
constexpr int kResponseLimit = 255;
} // namespace

frmDialog::frmDialog() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* head = new QGridLayout();
    picDlogPic = AddDialogPicture(this);
    head->addWidget(picDlogPic, 0, 0, 2, 1, Qt::AlignTop);
    head->addWidget(AddTitleLabel(this, "Edit Character Basic Dialogue"), 0, 1, 1, 2);
    head->addWidget(new QLabel("For Personality number:", this), 1, 1, Qt::AlignRight);
    lblPersonality = new QLabel(this);
    lblPersonality->setMinimumWidth(40);
    head->addWidget(lblPersonality, 1, 2);
    head->setColumnStretch(1, 1);

    auto* fields = new QGridLayout();
    fields->addWidget(new QLabel("Character Name:", this), 0, 0);
    txtName = new QLineEdit(this);
    LimitTyping(txtName, kNameLimit);
    fields->addWidget(txtName, 0, 1);
    const std::pair<MultiLineBox**, const char*> responses[] = {
        {&txtLookResponse, "Response to 'look'"},
        {&txtNameResponse, "Response to 'name'"},
        {&txtJobResponse, "Response to 'job'"},
        {&txtHuhResponse, "Don't understand response"},
    };
    int row = 1;
    for (const auto& [box, caption] : responses) {
        auto* label = new QLabel(caption, this);
        label->setWordWrap(true);
        fields->addWidget(label, row, 0, Qt::AlignTop);
        *box = new MultiLineBox(kResponseLimit, this);
        (*box)->setFixedSize(380, 4 * (*box)->fontMetrics().height() + 10);
        fields->addWidget(*box, row, 1);
        ++row;
    }
    fields->setColumnMinimumWidth(0, 110);

    const SignArrows arrows = MakeSignArrows(this);
    cmdScrollLeft = arrows.Left;
    cmdScrollRight = arrows.Right;
    SetArrows(cmdScrollLeft, cmdScrollRight);
    const FootRow foot = MakeFootRow(this, Closing::CancelOk, {cmdScrollLeft, cmdScrollRight});
    SetButtons(foot.Ok, foot.Cancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(head);
    page->addLayout(fields);
    page->addLayout(foot.Row);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void frmDialog::LoadRecord() {
    PersTown = Scen.CurrentTown;
    Copy = Scen.TownTalks.at(static_cast<std::size_t>(PersTown))
               .Personalities.at(static_cast<std::size_t>(Personality));
}

void frmDialog::ShowRecord() {
    lblPersonality->setText(QString::number(PersTown * 10 + Personality));
    txtName->setText(ToQString(Copy.Name));
    txtLookResponse->SetModelText(Copy.LookResponse);
    txtNameResponse->SetModelText(Copy.NameResponse);
    txtJobResponse->SetModelText(Copy.JobResponse);
    txtHuhResponse->SetModelText(Copy.HuhResponse);
}

void frmDialog::TakeBoxes() {
    Copy.Name = FromQString(txtName->text());
    Copy.LookResponse = txtLookResponse->ModelText();
    Copy.NameResponse = txtNameResponse->ModelText();
    Copy.JobResponse = txtJobResponse->ModelText();
    Copy.HuhResponse = txtHuhResponse->ModelText();
}

bool frmDialog::SaveRecord() {
    TakeBoxes();
    Scen.TownTalks.at(static_cast<std::size_t>(PersTown))
        .Personalities.at(static_cast<std::size_t>(Personality)) = Copy;
    return true;
}
