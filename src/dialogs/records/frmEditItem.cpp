#include "dialogs/records/frmEditItem.h"

#include "dialogs/records/PicturePicking.h"
#include "dialogs/records/RecordEditorLists.h"
#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/frmEditItemAbility.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/DropDownList.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
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

namespace {} // namespace

frmEditItem::frmEditItem() : RecordDialog(LoadOn::FirstOpening) {
    SetFormFont(this);
    BuildControls();

    BindNumber(txtValue, &Copy.Value, {"Value", 0, 10000});
    BindNumber(txtWeight, &Copy.Weight, {"Weight", 0, 250});
    BindNumber(txtLevel, &Copy.Level, {"Level", 0, 50});
    BindNumber(txtAwkwardness, &Copy.Awkwardness, {"Awkwardness", 0, 20});
    BindNumber(txtBonus, &Copy.Bonus, {"Bonus", 0, 10});
    // Stored in an unsigned byte: an accepted "-1" or lone "-" gets the last value back.
    BindNumber(txtProtection, &Copy.Protection, {"Protection", -10, 20});
    BindNumber(txtCharges, &Copy.Charges, {"Charges", 0, 100});
    BindNumber(txtTypeFlag, &Copy.TypeFlag, {"Type Flag", 0, 255});
    BindNumber(txtSpecClass, &Copy.SpecialClass, {"Special Class", 0, 100});

    OnLostFocus(txtName, [this] { RunGuarded([&] { txtName_LostFocus(); }); });
    OnLostFocus(txtUnidName, [this] { RunGuarded([&] { txtUnidName_LostFocus(); }); });
    BindList(lstType, &Copy.ItemKind).Fill(EntryTexts(ItemKindEntries));
    BindList(lstTreasureType, &Copy.TreasureType).Fill(EntryTexts(TreasureClassEntries));
    // Weapon type n is entry n - 1: no weapon (0) has no entry.
    Connect(lstWpnType, &QComboBox::activated, [this](int index) {
        if (!Loading && index >= 0) Copy.WeaponType = static_cast<std::uint8_t>(index + 1);
    });
    const auto flag = [this](QCheckBox* box, std::uint8_t& field) {
        Connect(box, &QCheckBox::clicked, [this, box, &field] {
            if (!Loading) field = box->isChecked() ? 1 : 0;
        });
    };
    flag(chkIdentified, Copy.Identified);
    flag(chkMagical, Copy.Magical);
    flag(chkCursed, Copy.Cursed);
    flag(chkConcealAbility, Copy.ConcealAbility);
    Connect(cmdPictSelect, &QPushButton::clicked, [this] { cmdPictSelect_Click(); });
    Connect(cmdCustomPic, &QPushButton::clicked, [this] { cmdCustomPic_Click(); });
    Connect(cmdAbilities, &QPushButton::clicked, [this] { cmdAbilities_Click(); });
    SetArrows(cmdScrollLeft, cmdScrollRight);
}

void frmEditItem::BuildControls() {
    auto* page = new QVBoxLayout(this);
    page->addLayout(MakeHeading(this, "Edit an Item Type.", "Item Number:", lblItemNum));

    auto* columns = new QHBoxLayout;
    page->addLayout(columns);
    auto* left = new QGridLayout;
    columns->addLayout(left, 1);
    int row = 0;
    const auto add = [&](const char* label, QWidget* control) {
        left->addWidget(MakeLabel(label, this), row, 0);
        left->addWidget(control, row++, 1);
    };
    txtName = MakeBox(this, kItemNameLength);
    add("Item full name:", txtName);
    txtUnidName = MakeBox(this, kItemUnidNameLength);
    add("Item unidentified name:", txtUnidName);
    lstType = new DropDownList(this);
    add("Item Use:", lstType);
    lstWpnType = MakeValueList(this, WeaponTypeEntries);
    add("Weapon type:", lstWpnType);
    lstTreasureType = new DropDownList(this);
    add("Item treasure class:", lstTreasureType);
    left->addWidget(MakeLabel("Item picture:", this), row, 0);
    QHBoxLayout* pictRow = MakePictureRow(this, picItem, lblPict);
    cmdPictSelect = new QPushButton("Select Icon", this);
    cmdCustomPic = new QPushButton("Custom", this);
    pictRow->addWidget(cmdPictSelect);
    pictRow->addWidget(cmdCustomPic);
    pictRow->addStretch();
    left->addLayout(pictRow, row++, 1);
    auto* others = new QGroupBox("Other properties:", this);
    auto* checks = new QVBoxLayout(others);
    chkIdentified = new QCheckBox("Always Identified", others);
    chkMagical = new QCheckBox("Magical", others);
    chkCursed = new QCheckBox("Cursed", others);
    chkConcealAbility = new QCheckBox("Conceal Ability", others);
    for (QCheckBox* box : {chkIdentified, chkMagical, chkCursed, chkConcealAbility})
        checks->addWidget(box);
    left->addWidget(others, row++, 0, 1, 2);
    left->setRowStretch(row, 1);

    auto* right = new QGridLayout;
    columns->addLayout(right);
    int line = 0;
    const auto addBox = [&](const char* label, QLineEdit*& box) {
        right->addWidget(MakeLabel(label, this), line, 0);
        box = MakeBox(this);
        right->addWidget(box, line++, 1);
    };
    addBox("Value (0 - 10000):", txtValue);
    addBox("Weight (0 - 250):", txtWeight);
    addBox("Item level (0 - 50):", txtLevel);
    addBox("Awkwardness (0 - 20):", txtAwkwardness);
    addBox("Bonus (0 - 10):", txtBonus);
    addBox("Protection (-10 - 20):", txtProtection);
    addBox("Charges (0 - 100):", txtCharges);
    addBox("Type Flag (0 - 255):", txtTypeFlag);
    addBox("Special class (0 - 100):", txtSpecClass);
    right->setRowStretch(line, 1);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    cmdAbilities = new QPushButton("Abilities", this);
    const FootRow buttons =
        MakeFootRow(this, Closing::CancelOkTabOk, {cmdScrollLeft, cmdScrollRight, cmdAbilities});
    page->addLayout(buttons.Row);
    SetButtons(buttons.Ok, buttons.Cancel);
    for (QPushButton* button : {cmdPictSelect, cmdCustomPic, cmdAbilities})
        button->setAutoDefault(false);
}

void frmEditItem::LoadItem() {
    NeedLoad = false;
    cmdCustomPic->setEnabled(CustomPicsLoaded != 0);
    Copy = LoadItemCopy(Scen.ItemTypes.at(static_cast<std::size_t>(ItemNum)));
    // Shown, and saved, as the kind the list has.
    NormaliseItemKind(Copy);
}

void frmEditItem::ShowPicture() {
    lblPict->setText(Decimal(Copy.Pict));
    picItem->Clear();
    DrawItemPic(picItem->surface(), Copy.Pict);
    picItem->Refresh();
}

void frmEditItem::ShowItem() {
    const LoadingScope loading(Loading);
    lblItemNum->setText(Decimal(ItemNum));
    ShowPicture();
    txtName->setText(ToQString(Copy.ItemName).trimmed());
    txtUnidName->setText(ToQString(Copy.UnidName).trimmed());
    SelectValue(lstWpnType, Copy.WeaponType - 1);
    chkIdentified->setChecked(Copy.Identified != 0);
    chkMagical->setChecked(Copy.Magical != 0);
    chkCursed->setChecked(Copy.Cursed != 0);
    chkConcealAbility->setChecked(Copy.ConcealAbility != 0);
}

void frmEditItem::SaveItem() {
    SaveItemCopy(Copy, Scen.ItemTypes.at(static_cast<std::size_t>(ItemNum)));
}

bool frmEditItem::ChargesMissing() {
    if (!NeedsCharges(Copy)) return false;
    MsgBox("An item with the specialty class selected\r\nmust have at least one charge.",
           msgbox::OkOnly + msgbox::Exclamation, "Error!");
    BadInput = true;
    return true;
}

bool frmEditItem::SaveRecord() {
    if (ChargesMissing()) return false;
    SaveItem();
    return true;
}

void frmEditItem::cmdPictSelect_Click() {
    LoadingScope loading(Loading);
    const PickedPicture picked = PickPicture(picture_set::Item, ItemPickerSelection(Copy.Pict));
    if (picked.Select <= -1) return;
    Copy.Pict = picked.Select;
    ShowPicture();
}

void frmEditItem::cmdCustomPic_Click() {
    LoadingScope loading(Loading);
    const PickedPicture picked = PickPicture(picture_set::Custom, CustomItemSelection(Copy.Pict));
    if (picked.Select <= -1) return;
    Copy.Pict = static_cast<std::int16_t>(picked.Select + kCustomItemBase);
    ShowPicture();
}

void frmEditItem::cmdAbilities_Click() {
    LoadingScope loading(Loading);
    const std::string refusal = AbilitiesRefusal(Copy.ItemKind);
    if (!refusal.empty()) {
        MsgBox(refusal, msgbox::OkOnly + msgbox::Exclamation, "Error!");
        return;
    }
    // The abilities dialog writes the use, ability and strength members on OK; nothing shown
    // here depends on them.
    ShowModal(SharedForm<frmEditItemAbility>());
}

void frmEditItem::txtName_LostFocus() {
    Copy.ItemName = FromQString(txtName->text());
}

void frmEditItem::txtUnidName_LostFocus() {
    Copy.UnidName = FromQString(txtUnidName->text());
}
