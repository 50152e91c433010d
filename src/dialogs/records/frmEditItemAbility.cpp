#include "dialogs/records/frmEditItemAbility.h"

#include "dialogs/records/RecordEditorLists.h"
#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/frmEditItem.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/DropDownList.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPictureW = 28;
constexpr int kPictureH = 36;

frmEditItem& Editor() {
    return SharedForm<frmEditItem>();
}
} // namespace

frmEditItemAbility::frmEditItemAbility() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    BuildControls();

    // Not bound: the check follows the ability current while typing.
    Connect(txtAbilityStrength, &QLineEdit::textChanged, [this] { txtAbilityStrength_Change(); });
    OnLostFocus(txtAbilityStrength,
                [this] { RunGuarded([&] { txtAbilityStrength_LostFocus(); }); });
    for (int i = 0; i < kAbilityCategories; ++i)
        Connect(cmdSpAbility[static_cast<std::size_t>(i)], &QPushButton::clicked,
                [this, i] { cmdSpAbility_Click(i); });
    Connect(lstSpAbility, &QListWidget::currentRowChanged,
            [this](int row) { lstSpAbility_Click(row); });
    BindList(lstItemUses, &copy_.Uses).Fill(EntryTexts(ItemUseEntries));
}

void frmEditItemAbility::BuildControls() {
    auto* page = new QVBoxLayout(this);
    auto* heading = new QHBoxLayout;
    picItem = MakePictureBox(this, kPictureW, kPictureH);
    heading->addWidget(picItem);
    heading->addWidget(MakeLabel("Edit Item Abilities:", this));
    heading->addStretch();
    page->addLayout(heading);

    auto* facts = new QGridLayout;
    page->addLayout(facts);
    int row = 0;
    const auto fact = [&](const char* caption, QLabel*& label) {
        facts->addWidget(MakeLabel(caption, this), row, 0);
        label = MakeLabel("", this);
        facts->addWidget(label, row++, 1);
    };
    fact("Item Number:", lblItemNum);
    fact("Current item name:", lblItemName);
    fact("Current item class:", lblType);
    fact("Item special ability:", lblSpecAbility);

    auto* columns = new QHBoxLayout;
    page->addLayout(columns);
    auto* categories = new QVBoxLayout;
    columns->addLayout(categories);
    for (int i = 0; i < kAbilityCategories; ++i) {
        auto* button = new QPushButton(AbilityCategoryAt(i).Button, this);
        button->setAutoDefault(false);
        cmdSpAbility[static_cast<std::size_t>(i)] = button;
        categories->addWidget(button);
    }
    categories->addStretch();
    lstSpAbility = new QListWidget(this);
    columns->addWidget(lstSpAbility, 1);

    auto* strength = new QGridLayout;
    page->addLayout(strength);
    Label6 = MakeLabel("", this);
    strength->addWidget(Label6, 0, 0);
    txtAbilityStrength = MakeBox(this);
    strength->addWidget(txtAbilityStrength, 1, 0);
    strength->addWidget(MakeLabel("Item use properties:", this), 0, 1);
    lstItemUses = new DropDownList(this);
    strength->addWidget(lstItemUses, 1, 1);
    page->addWidget(
        MakeLabel("To set no ability, click Weapon Ability and set No special ability.", this));

    const FootRow buttons = MakeFootRow(this, Closing::CancelOkTabOk);
    page->addLayout(buttons.Row);
    SetButtons(buttons.Ok, buttons.Cancel);
}

void frmEditItemAbility::LoadAbility() {
    const frmEditItem& editor = Editor();
    copy_ = LoadItemAbilityCopy(editor.ItemNum, editor.Copy);
}

void frmEditItemAbility::ShowAbility() {
    const LoadingScope loading(Loading);
    lblItemNum->setText(Decimal(copy_.ItemNum));
    lblType->setText(ToQString(ItemKindName(copy_.Kind)));
    picItem->Clear();
    DrawItemPic(picItem->surface(), copy_.Pict);
    picItem->Refresh();
    lblItemName->setText(ToQString(copy_.Name).trimmed());
    lstSpAbility->clear();
    lblSpecAbility->setText(ToQString(ItemAbilityName(copy_.Ability)));
    txtAbilityStrength->setText(Decimal(copy_.Strength));
    Label6->setText(ToQString(StrengthCaption(copy_.Ability)));
}

void frmEditItemAbility::SaveAbility() {
    SaveItemAbilityCopy(copy_, Editor().Copy);
}

void frmEditItemAbility::cmdSpAbility_Click(int index) {
    if (Loading) return;
    const AbilityCategory& category = AbilityCategoryAt(index);
    lstSpAbility->clear();
    Label6->setText(category.Caption);
    if (!CategoryAccepts(index, copy_.Kind)) {
        MsgBox(CategoryRefusal(index), msgbox::OkOnly + msgbox::Exclamation, "Error!");
        return;
    }
    for (int ability = category.First; ability <= category.Last; ++ability) {
        auto* entry = new QListWidgetItem(
            ToQString(ItemAbilityName(static_cast<std::uint8_t>(ability))), lstSpAbility);
        entry->setData(Qt::UserRole, ability);
    }
    // Selecting the first entry makes the category's first ability the item's at once.
    lstSpAbility->setCurrentRow(0);
}

void frmEditItemAbility::lstSpAbility_Click(int row) {
    if (Loading || row < 0) return;
    copy_.Ability = static_cast<std::uint8_t>(lstSpAbility->item(row)->data(Qt::UserRole).toInt());
    lblSpecAbility->setText(ToQString(ItemAbilityName(copy_.Ability)));
    Label6->setText(ToQString(StrengthCaption(copy_.Ability)));
}

void frmEditItemAbility::txtAbilityStrength_Change() {
    if (Loading) return;
    const StrengthCheck check = StrengthCheckFor(copy_.Ability);
    BadInput = ValidateNumber(FromQString(txtAbilityStrength->text()), check.Caption, check.Min,
                              check.Max);
}

void frmEditItemAbility::txtAbilityStrength_LostFocus() {
    const QString text = txtAbilityStrength->text().trimmed();
    const auto number = NumberFromBoxText(FromQString(text));
    if (!BadInput && number && *number >= 0 && *number <= 255)
        copy_.Strength = static_cast<std::uint8_t>(*number);
    // A rejected entry gets the copy's value back without a second check: a strength kept
    // from another ability may not pass this one's.
    {
        const LoadingScope loading(Loading);
        txtAbilityStrength->setText(Decimal(copy_.Strength));
    }
    BadInput = false;
}
