#include "dialogs/areas/frmTownItem.h"

#include "dialogs/areas/AreaFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

frmTownItem::frmTownItem() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = MakeRecordPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Editing Preset Item"));

    auto* grid = new QGridLayout;
    lblItemNum = new QLabel(this);
    lblLoc[0] = new QLabel(this);
    lblLoc[1] = new QLabel(this);
    lstItem = MakeValueList(this);
    txtCharges = new QLineEdit(this);
    txtCharges->setMaximumWidth(60);
    grid->addWidget(new QLabel("Item number:", this), 0, 0);
    grid->addWidget(lblItemNum, 0, 1);
    grid->addWidget(new QLabel("Location: X:", this), 0, 2);
    grid->addWidget(lblLoc[0], 0, 3);
    grid->addWidget(new QLabel("Y:", this), 0, 4);
    grid->addWidget(lblLoc[1], 0, 5);
    grid->addWidget(new QLabel("Item name:", this), 1, 0);
    grid->addWidget(lstItem, 1, 1, 1, 5);
    auto* chargesLabel =
        new QLabel("Amount (if gold or food), or Charges (if item that can have charges; leave "
                   "at -1 if you want the item to have its default number of charges)",
                   this);
    chargesLabel->setWordWrap(true);
    grid->addWidget(chargesLabel, 2, 0, 1, 5);
    grid->addWidget(txtCharges, 2, 5);
    outer->addLayout(grid);

    auto* flags = new QGroupBox("Special Flags:", this);
    auto* flagColumn = new QVBoxLayout(flags);
    chkAlwaysHere = new QCheckBox("Always here", flags);
    chkProperty = new QCheckBox("Someone's property", flags);
    chkContainedIn = new QCheckBox("Contained in somthing", flags);
    for (QCheckBox* box : {chkAlwaysHere, chkProperty, chkContainedIn})
        flagColumn->addWidget(box);
    outer->addWidget(flags);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel, {cmdScrollLeft, cmdScrollRight});
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);

    BindNumber(txtCharges, &Work.Charges, {"Charges", -1, 1000, 0, NumberRule::Check::OnChange});
    Connect(lstItem, &QComboBox::activated, [this] { lstItem_Click(); });
    Connect(chkAlwaysHere, &QCheckBox::clicked, [this] { chkAlwaysHere_Click(); });
    Connect(chkProperty, &QCheckBox::clicked, [this] { chkProperty_Click(); });
    Connect(chkContainedIn, &QCheckBox::clicked, [this] { chkContainedIn_Click(); });
    SetArrows(cmdScrollLeft, cmdScrollRight);
}

void frmTownItem::done(int result) {
    // The next opening may be in the other context, whose list differs.
    listsFilled_ = false;
    RecordDialog::done(result);
}

void frmTownItem::LoadRecord() {
    if (!listsFilled_) {
        FillValueList(lstItem, PresetItemEntries(Scen, Context));
        cmdScrollLeft->setVisible(Context);
        cmdScrollRight->setVisible(Context);
        listsFilled_ = true;
    }
    const Town& town = Scen.Towns.at(Scen.CurrentTown);
    Work = LoadPresetItemCopy(town.PresetItems.at(static_cast<std::size_t>(ItemNum)), Context);
}

void frmTownItem::DrawItemPicture() {
    picDlogPic->Clear();
    // A stale item number has no record to take a picture from.
    if (IsKnownItemType(Work.Item))
        DrawItemPic(picDlogPic->surface(),
                    Scen.ItemTypes[static_cast<std::size_t>(Work.Item)].Picture);
    picDlogPic->Refresh();
}

void frmTownItem::ShowRecord() {
    lblItemNum->setText(QString::number(ItemNum));
    lblLoc[0]->setText(QString::number(Work.X));
    lblLoc[1]->setText(QString::number(Work.Y));
    SelectRow(lstItem, PresetItemRow(Work.Item, Context));
    DrawItemPicture();
    chkAlwaysHere->setChecked(Work.AlwaysHere != 0);
    chkProperty->setChecked(Work.Property != 0);
    chkContainedIn->setChecked(Work.Contained != 0);
}

void frmTownItem::lstItem_Click() {
    if (Loading || lstItem->currentIndex() < 0) return;
    Work.Item = PresetItemOfRow(lstItem->currentIndex(), Context);
    DrawItemPicture();
}

void frmTownItem::chkAlwaysHere_Click() {
    if (!Loading) Work.AlwaysHere = chkAlwaysHere->isChecked() ? 1 : 0;
}

void frmTownItem::chkProperty_Click() {
    if (!Loading) Work.Property = chkProperty->isChecked() ? 1 : 0;
}

void frmTownItem::chkContainedIn_Click() {
    if (!Loading) Work.Contained = chkContainedIn->isChecked() ? 1 : 0;
}

int frmTownItem::RecordCount() const {
    return Scen.Towns.at(Scen.CurrentTown).MaxPresetItem() + 1;
}

bool frmTownItem::SaveRecord() {
    Town& town = Scen.Towns.at(Scen.CurrentTown);
    SavePresetItemCopy(Work, town.PresetItems.at(static_cast<std::size_t>(ItemNum)), Context);
    return true;
}
