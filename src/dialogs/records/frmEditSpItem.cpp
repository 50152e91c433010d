#include "dialogs/records/frmEditSpItem.h"

#include "dialogs/nodes/NodeStorage.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/ScenarioFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/TypingLimit.h"
#include "scenario/Scenario.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kNameLimit = 30;

std::string& NameString(std::int16_t item) {
    return Scen.ScenStrings.at(static_cast<std::size_t>(60 + 2 * item));
}
std::string& DescriptionString(std::int16_t item) {
    return Scen.ScenStrings.at(static_cast<std::size_t>(61 + 2 * item));
}
} // namespace

frmEditSpItem::frmEditSpItem() : RecordDialog(LoadOn::FirstOpening) {
    BuildControls();
    nodeBox_ =
        &BindNumber(txtSpNode, &Work.Node, {"Value", -1, 255, 0, NumberRule::Check::OnChange});
}

void frmEditSpItem::BuildControls() {
    SetFormFont(this);
    setMinimumWidth(520);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Edit Special Items"));

    auto* grid = new QGridLayout;
    lblSpItemNum = new QLabel(this);
    txtSpItemName = new QLineEdit(this);
    LimitTyping(txtSpItemName, kNameLimit);
    txtDescription = new QLineEdit(this);
    LimitTyping(txtDescription, kScenStringLimit);
    txtDescription->setMinimumWidth(360);
    chkFlag1 = new QCheckBox(this);
    chkFlag2 = new QCheckBox("Special item can be used", this);
    txtSpNode = new QLineEdit(this);
    txtSpNode->setMaximumWidth(64);
    cmdButton = new QPushButton("Create/Edit", this);
    cmdButton->setAutoDefault(false);
    grid->addWidget(new QLabel("Editing Special Item:", this), 0, 0);
    grid->addWidget(lblSpItemNum, 0, 1);
    grid->addWidget(new QLabel("Name of Special Item:", this), 1, 0);
    grid->addWidget(txtSpItemName, 1, 1, 1, 2);
    grid->addWidget(new QLabel("Special item description:", this), 2, 0);
    grid->addWidget(txtDescription, 2, 1, 1, 2);
    grid->addWidget(new QLabel("Party starts with item:", this), 3, 0);
    grid->addWidget(chkFlag1, 3, 1);
    grid->addWidget(chkFlag2, 4, 0, 1, 2);
    grid->addWidget(new QLabel("Scenario special node to call when item is used:", this), 5, 0);
    grid->addWidget(txtSpNode, 5, 1);
    grid->addWidget(cmdButton, 5, 2);
    outer->addLayout(grid);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel, {cmdScrollLeft, cmdScrollRight});
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
    SetArrows(cmdScrollLeft, cmdScrollRight);

    Connect(chkFlag1, &QCheckBox::clicked, [this] { chkFlag1_Click(); });
    Connect(chkFlag2, &QCheckBox::clicked, [this] { chkFlag2_Click(); });
    Connect(cmdButton, &QPushButton::clicked, [this] { cmdButton_Click(); });
}

void frmEditSpItem::LoadRecord() {
    Work = Scen.SpecialItems.at(static_cast<std::size_t>(SpItemNum));
}

void frmEditSpItem::ShowRecord() {
    lblSpItemNum->setText(Decimal(SpItemNum));
    ShowWholeText(txtSpItemName, NameString(SpItemNum));
    ShowWholeText(txtDescription, DescriptionString(SpItemNum));
    chkFlag1->setChecked(Work.StartsWith != 0);
    chkFlag2->setChecked(Work.Usable != 0);
}

void frmEditSpItem::chkFlag1_Click() {
    if (!Loading) Work.StartsWith = chkFlag1->isChecked() ? 1 : 0;
}

void frmEditSpItem::chkFlag2_Click() {
    if (!Loading) Work.Usable = chkFlag2->isChecked() ? 1 : 0;
}

void frmEditSpItem::cmdButton_Click() {
    if (Loading) return;
    const std::int16_t opened = Work.Node;
    frmEditSpNode& editor = SharedForm<frmEditSpNode>();
    editor.NodeSet = nodefamily::Scenario;
    editor.NodeNum = opened;
    ShowModal(editor);
    // A node made for this item but left free is no node to call.
    Work.Node = opened == -1 ? NodeReferenceOrNone(Scen, nodefamily::Scenario, editor.NodeNum)
                             : editor.NodeNum;
    nodeBox_->Show();
}

bool frmEditSpItem::SaveRecord() {
    Scen.SpecialItems.at(static_cast<std::size_t>(SpItemNum)) = Work;
    NameString(SpItemNum) = BoxText(txtSpItemName);
    DescriptionString(SpItemNum) = BoxText(txtDescription);
    return true;
}
