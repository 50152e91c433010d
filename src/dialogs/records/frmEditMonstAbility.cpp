#include "dialogs/records/frmEditMonstAbility.h"

#include "dialogs/records/RecordEditorLists.h"
#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/frmEditMonster.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "platform/qt/DropDownList.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int kPictureW = 28;
constexpr int kPictureH = 36;

frmEditMonster& Editor() {
    return SharedForm<frmEditMonster>();
}

void ShowResistance(std::array<QCheckBox*, 2>& boxes, std::uint8_t value) {
    boxes[0]->setChecked(value == 1);
    boxes[1]->setChecked(value == 2);
}
} // namespace

frmEditMonstAbility::frmEditMonstAbility() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    BuildControls();

    BindNumber(txtPoison, &copy_.Poison, {"Poison", 0, 8});
    BindNumber(txtBreathStr, &copy_.BreathStr, {"Breath strength", 0, 40});
    BindNumber(txtChanceDrop, &copy_.ChanceDrop, {"Chance of dropping", -1, 100});
    // Not bound: its check changes with the create/generate entry chosen.
    Connect(txtCreateExtra, &QLineEdit::textChanged, [this] { txtCreateExtra_Change(); });
    OnLostFocus(txtCreateExtra, [this] { RunGuarded([&] { txtCreateExtra_LostFocus(); }); });

    BindList(lstBreathWpn, &copy_.BreathWpn).Fill(EntryTexts(BreathWeaponEntries));
    BindList(lstSpAbility, &copy_.SpAbility).Fill(EntryTexts(MonsterAbilityEntries));
    BindList(lstSummonType, &copy_.SummonType).Fill(EntryTexts(SummonTypeEntries));
    itemList_ = &BindList(lstItemDropped, &copy_.ItemDropped);
    ValueList& createGenerate = BindList(lstCreateGenerate, &copy_.CreateGenerate);
    createGenerate.Fill(EntryTexts(CreateGenerateEntries));
    createGenerate.OnChosen([this] { lstCreateGenerate_Click(); });
    for (int r = 0; r < 4; ++r)
        for (int box = 0; box < 2; ++box)
            Connect(ResistanceBoxes(r)[static_cast<std::size_t>(box)], &QCheckBox::clicked,
                    [this, r, box] { chkResistance_Click(r, box); });
}

void frmEditMonstAbility::BuildControls() {
    auto* page = new QGridLayout(this);
    picDlogPic = MakePictureBox(this, kPictureW, kPictureH);
    page->addWidget(picDlogPic, 0, 0, Qt::AlignTop);
    QHBoxLayout* heading =
        MakeHeading(this, "Edit Monster Abilities", "Monster number:", lblMonsterNumber);
    page->addLayout(heading, 0, 1, 1, 2);

    auto* values = new QGridLayout;
    page->addLayout(values, 1, 1);
    int row = 0;
    const auto add = [&](const QString& label, QWidget* control) {
        values->addWidget(MakeLabel(label, this), row, 0);
        values->addWidget(control, row++, 1);
    };
    txtPoison = MakeBox(this);
    add("Monster Poison: (0 - 8)", txtPoison);
    lstBreathWpn = new DropDownList(this);
    add("Breath Weapon Type:", lstBreathWpn);
    txtBreathStr = MakeBox(this);
    add("Monster Breath Weapon strength (0 - 40):", txtBreathStr);
    values->addWidget(MakeLabel(" Note: 0 - no breath weapon, damage is 1-8 times strength", this),
                      row++, 0, 1, 2);
    lstSpAbility = new DropDownList(this);
    add("Special ability:", lstSpAbility);
    lstCreateGenerate = new DropDownList(this);
    add("Create monsters/fields:", lstCreateGenerate);
    lblCreateExtra = MakeLabel("Unused", this);
    txtCreateExtra = MakeBox(this);
    values->addWidget(lblCreateExtra, row, 0);
    values->addWidget(txtCreateExtra, row++, 1);
    lstSummonType = new DropDownList(this);
    add("Summon Type:", lstSummonType);
    values->addWidget(MakeLabel("Special treasure:", this), row++, 0, 1, 2);
    lstItemDropped = new DropDownList(this);
    lstItemDropped->setMaxVisibleItems(20);
    add("Item to drop when killed:", lstItemDropped);
    txtChanceDrop = MakeBox(this);
    add("Chance of dropping: (0 - 100)", txtChanceDrop);

    auto* resistances = new QGroupBox("Monster Resistances:", this);
    auto* boxes = new QVBoxLayout(resistances);
    const char* captions[4][2] = {{"Resist Magic", "Immune to Magic"},
                                  {"Resist Fire", "Immune to Fire"},
                                  {"Resist Cold", "Immune to Cold"},
                                  {"Resist Poison", "Immune to Poison"}};
    for (int r = 0; r < 4; ++r)
        for (std::size_t box = 0; box < 2; ++box) {
            auto* check = new QCheckBox(captions[r][box], resistances);
            ResistanceBoxes(r)[box] = check;
            boxes->addWidget(check);
        }
    page->addWidget(resistances, 1, 2, Qt::AlignTop);

    const FootRow buttons = MakeFootRow(this, Closing::CancelOkTabOk);
    page->addLayout(buttons.Row, 2, 0, 1, 3);
    SetButtons(buttons.Ok, buttons.Cancel);
}

std::array<QCheckBox*, 2>& frmEditMonstAbility::ResistanceBoxes(int resistance) {
    switch (resistance) {
    case 0:
        return chkMagicRes;
    case 1:
        return chkFireRes;
    case 2:
        return chkColdRes;
    default:
        return chkPoisonRes;
    }
}

std::uint8_t& frmEditMonstAbility::Resistance(int resistance) {
    switch (resistance) {
    case 0:
        return copy_.MagicRes;
    case 1:
        return copy_.FireRes;
    case 2:
        return copy_.ColdRes;
    default:
        return copy_.PoisonRes;
    }
}

void frmEditMonstAbility::FillItemList() {
    // Item names may have changed since the last opening.
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < Scen.ItemTypes.size(); ++i)
        rows.push_back(std::to_string(i) + "- " + Scen.ItemTypes[i].Name);
    itemList_->Fill(rows);
}

void frmEditMonstAbility::LoadAbilities() {
    FillItemList();
    const frmEditMonster& editor = Editor();
    copy_ = LoadMonsterAbilityCopy(editor.MonstNum, editor.Copy);
}

void frmEditMonstAbility::ShowAbilities() {
    const LoadingScope loading(Loading);
    DrawMonsterPic(picDlogPic->surface(), Editor().Copy.Pict);
    picDlogPic->Refresh();
    lblMonsterNumber->setText(Decimal(copy_.MonstNum));
    // Showing the entry does not choose it: the prompt stays "Unused" until the author does.
    lblCreateExtra->setText("Unused");
    txtCreateExtra->setText(Decimal(copy_.CreateExtra));
    for (int r = 0; r < 4; ++r)
        ShowResistance(ResistanceBoxes(r), Resistance(r));
}

void frmEditMonstAbility::SaveAbilities() {
    SaveMonsterAbilityCopy(copy_, Editor().Copy);
}

void frmEditMonstAbility::lstCreateGenerate_Click() {
    std::string prompt;
    ChooseCreateGenerate(copy_.CreateGenerate, createRule_, prompt);
    lblCreateExtra->setText(ToQString(prompt));
}

void frmEditMonstAbility::txtCreateExtra_Change() {
    if (Loading) return;
    const CreateExtraRule check = CreateExtraCheck(createRule_);
    BadInput =
        ValidateNumber(FromQString(txtCreateExtra->text()), check.Caption, check.Min, check.Max);
}

void frmEditMonstAbility::txtCreateExtra_LostFocus() {
    const QString text = txtCreateExtra->text().trimmed();
    const auto number = NumberFromBoxText(FromQString(text));
    if (!BadInput && text.isEmpty())
        copy_.CreateExtra = 0;
    else if (!BadInput && number && *number >= 0 && *number <= 255)
        copy_.CreateExtra = static_cast<std::int16_t>(*number);
    // A rejected entry gets the copy's value back without a second check: the value may
    // predate the rule now in force, and the record holds it already.
    {
        const LoadingScope loading(Loading);
        txtCreateExtra->setText(Decimal(copy_.CreateExtra));
    }
    BadInput = false;
}

void frmEditMonstAbility::chkResistance_Click(int resistance, int box) {
    if (Loading) return;
    auto& boxes = ResistanceBoxes(resistance);
    const bool checked = boxes[static_cast<std::size_t>(box)]->isChecked();
    Resistance(resistance) = ResistanceAfterClick(box, checked);
    if (checked) boxes[static_cast<std::size_t>(1 - box)]->setChecked(false);
}
