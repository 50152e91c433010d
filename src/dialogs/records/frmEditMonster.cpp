#include "dialogs/records/frmEditMonster.h"

#include "dialogs/records/OptionGroup.h"
#include "dialogs/records/PicturePicking.h"
#include "dialogs/records/RecordEditorLists.h"
#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/frmEditMonstAbility.h"
#include "dialogs/records/frmMonstPicSize.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "platform/qt/DropDownList.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kPortraitSide = 36;

QString Trimmed(const std::string& text) {
    return ToQString(text).trimmed();
}
} // namespace

frmEditMonster::frmEditMonster() : RecordDialog(LoadOn::FirstOpening) {
    SetFormFont(this);
    BuildControls();

    BindNumber(txtLevel, &Copy.Level, {"Level", 0, 40});
    BindNumber(txtHealth, &Copy.Health, {"Health", 1, 2500});
    BindNumber(txtArmor, &Copy.Armor, {"Armor", 0, 50});
    BindNumber(txtSkill, &Copy.Skill, {"Skill", 0, 40});
    BindNumber(txtSpeed, &Copy.Speed, {"Speed", 1, 12});
    BindNumber(txtMagic, &Copy.MageLevel, {"Magic spells", 0, 7});
    BindNumber(txtPriest, &Copy.PriestLevel, {"Priest spells", 0, 7});
    BindNumber(txtTreasure, &Copy.Treasure, {"Treasure", 0, 4});

    // The attack boxes are not bound: leaving a dice box also settles that attack's sides.
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Connect(txtAttackDice[at], &QLineEdit::textChanged, [this, i] { txtAttackDice_Change(i); });
        Connect(txtAttackDSide[at], &QLineEdit::textChanged,
                [this, i] { txtAttackDSide_Change(i); });
        OnLostFocus(txtAttackDice[at],
                    [this, i] { RunGuarded([&] { txtAttackDice_LostFocus(i); }); });
        OnLostFocus(txtAttackDSide[at],
                    [this, i] { RunGuarded([&] { txtAttackDSide_LostFocus(i); }); });
    }
    OnLostFocus(txtName, [this] { RunGuarded([&] { txtName_LostFocus(); }); });

    BindList(lstType, &Copy.Kind).Fill(EntryTexts(MonsterKindEntries));
    // The third attack's type has no list: it keeps what the record holds.
    for (std::size_t i = 0; i < 2; ++i)
        BindList(lstAttack[i], &Copy.AttackTypes[i]).Fill(EntryTexts(MonsterAttackEntries));
    for (int i = 0; i < 4; ++i)
        Connect(optAttitude[static_cast<std::size_t>(i)], &QRadioButton::clicked,
                [this, i] { optAttitude_Click(i); });
    SetArrows(cmdScrollLeft, cmdScrollRight);
    Connect(cmdAbilities, &QPushButton::clicked, [this] { cmdAbilities_Click(); });
    Connect(cmdPicPicture, &QPushButton::clicked, [this] { cmdPicPicture_Click(); });
    Connect(cmdPicCustom, &QPushButton::clicked, [this] { cmdPicCustom_Click(); });
    Connect(cmdSelectTalk, &QPushButton::clicked, [this] { cmdSelectTalk_Click(); });
    Connect(cmdTalkCustom, &QPushButton::clicked, [this] { cmdTalkCustom_Click(); });
}

void frmEditMonster::BuildControls() {
    auto* page = new QVBoxLayout(this);

    page->addLayout(MakeHeading(this, "Edit Monster Stastics", "Monster number:", lblMonstNum));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(MakeLabel("Monster type name", this));
    txtName = MakeBox(this, 30);
    nameRow->addWidget(txtName, 1);
    page->addLayout(nameRow);

    auto* columns = new QHBoxLayout;
    page->addLayout(columns);
    columns->addLayout(BuildPictures());
    columns->addLayout(BuildValues());
    // The attacks are as tall as their rows, not as the column of values beside them.
    columns->addWidget(BuildAttacks(), 0, Qt::AlignTop);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    cmdAbilities = new QPushButton("Abilities", this);
    cmdAbilities->setAutoDefault(false);
    const FootRow buttons =
        MakeFootRow(this, Closing::CancelOkTabOk, {cmdScrollLeft, cmdScrollRight, cmdAbilities});
    page->addLayout(buttons.Row);
    SetButtons(buttons.Ok, buttons.Cancel);

    for (QPushButton* button : {cmdPicPicture, cmdPicCustom, cmdSelectTalk, cmdTalkCustom})
        button->setAutoDefault(false);
}

// The pictures column: the monster's picture and its size, and its talking picture.
QVBoxLayout* frmEditMonster::BuildPictures() {
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(MakeLabel("Monster picture:", this));
    QHBoxLayout* pictRow = MakePictureRow(this, picMonster, lblPict);
    pictRow->addStretch();
    pictures->addLayout(pictRow);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(MakeLabel("Width =", this));
    lblPicWidth = MakeLabel("", this);
    sizeRow->addWidget(lblPicWidth);
    sizeRow->addWidget(MakeLabel("Height =", this));
    lblPicHeight = MakeLabel("", this);
    sizeRow->addWidget(lblPicHeight);
    pictures->addLayout(sizeRow);
    cmdPicPicture = new QPushButton("Select Icon", this);
    cmdPicCustom = new QPushButton("Custom", this);
    pictures->addWidget(cmdPicPicture);
    pictures->addWidget(cmdPicCustom);
    pictures->addSpacing(8);
    pictures->addWidget(MakeLabel("Default talking picture:", this));
    picTalkingPic = MakePictureBox(this, kPortraitSide, kPortraitSide);
    pictures->addWidget(picTalkingPic);
    cmdSelectTalk = new QPushButton("Choose", this);
    cmdTalkCustom = new QPushButton("Custom", this);
    pictures->addWidget(cmdSelectTalk);
    pictures->addWidget(cmdTalkCustom);
    pictures->addStretch();
    return pictures;
}

// The single values and the default attitude.
QGridLayout* frmEditMonster::BuildValues() {
    auto* values = new QGridLayout;
    int row = 0;
    const auto addBox = [&](const char* label, QLineEdit*& box) {
        values->addWidget(MakeLabel(label, this), row, 0);
        box = MakeBox(this);
        values->addWidget(box, row++, 1);
    };
    addBox("Monster level: (0 - 40)", txtLevel);
    addBox("Monster health: (1 - 2500)", txtHealth);
    addBox("Monster armor (0 - 50)", txtArmor);
    addBox("Monster skill: (0 - 40)", txtSkill);
    addBox("Monster speed (1 - 12)", txtSpeed);
    addBox("Monster magic spells: (0 - 7)", txtMagic);
    addBox("Monster priest spells: (0 - 7)", txtPriest);
    addBox("Monster treasure (0 - 4)", txtTreasure);
    values->addWidget(MakeLabel("Monster type:", this), row, 0);
    lstType = new DropDownList(this);
    values->addWidget(lstType, row++, 1);

    auto* attitude = new QGroupBox("Default attitude:", this);
    auto* attitudeLayout = new QVBoxLayout(attitude);
    for (std::size_t i = 0; i < optAttitude.size(); ++i) {
        optAttitude[i] = new QRadioButton(MonsterAttitudeEntries[i], attitude);
        attitudeLayout->addWidget(optAttitude[i]);
    }
    attitudeLayout->addWidget(MakeLabel("Attitude creature has when you place it.", attitude));
    values->addWidget(attitude, row++, 0, 1, 2);
    values->setRowStretch(row, 1);
    return values;
}

// The hand to hand attacks.
QGroupBox* frmEditMonster::BuildAttacks() {
    auto* combat = new QGroupBox("Hand to Hand Combat:", this);
    auto* attacks = new QGridLayout(combat);
    int line = 0;
    attacks->addWidget(MakeLabel("Attack 1 type:", combat), line, 0);
    lstAttack[0] = new DropDownList(combat);
    attacks->addWidget(lstAttack[0], line++, 1);
    attacks->addWidget(MakeLabel("Attack #2,3 type:", combat), line, 0);
    lstAttack[1] = new DropDownList(combat);
    attacks->addWidget(lstAttack[1], line++, 1);
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        attacks->addWidget(
            MakeLabel(QString("Attack %1 number of dice (0 - 20)").arg(i + 1), combat), line, 0);
        txtAttackDice[at] = MakeBox(combat);
        attacks->addWidget(txtAttackDice[at], line++, 1);
        attacks->addWidget(
            MakeLabel(QString("Attack %1 number of sides (1 - 50)").arg(i + 1), combat), line, 0);
        txtAttackDSide[at] = MakeBox(combat);
        attacks->addWidget(txtAttackDSide[at], line++, 1);
    }
    return combat;
}

void frmEditMonster::LoadMonster() {
    NeedLoad = false;
    // The custom sheet may have come or gone with another scenario since the last opening.
    cmdPicCustom->setEnabled(CustomPicsLoaded != 0);
    cmdTalkCustom->setEnabled(CustomPicsLoaded != 0);

    LoadMonsterCopy(Scen.MonsterTypes.at(static_cast<std::size_t>(MonstNum)), Copy);
    picSize_ = ComputePicSize(Copy.Pict);
}

void frmEditMonster::ShowMonster() {
    const LoadingScope loading(Loading);
    lblMonstNum->setText(Decimal(MonstNum));
    txtName->setText(Trimmed(Copy.Name));
    ShowPicture();
    for (std::size_t i = 0; i < 3; ++i) {
        txtAttackDice[i]->setText(Decimal(Copy.AttackDice[i]));
        txtAttackDSide[i]->setText(Decimal(Copy.AttackSides[i]));
    }
    ShowTalkingPicture();
    SelectOption(optAttitude, Copy.Attitude);
}

void frmEditMonster::SaveMonster() {
    SaveMonsterCopy(Copy, Scen.MonsterTypes.at(static_cast<std::size_t>(MonstNum)));
}

void frmEditMonster::ShowPicture() {
    lblPict->setText(Decimal(Copy.Pict));
    lblPicWidth->setText(Decimal(picSize_.Width));
    lblPicHeight->setText(Decimal(picSize_.Height));
    DrawMonsterPic(picMonster->surface(), Copy.Pict);
    picMonster->Refresh();
}

void frmEditMonster::ShowTalkingPicture() {
    DrawPortraitPic(picTalkingPic->surface(), Copy.TalkPict);
    picTalkingPic->Refresh();
}

void frmEditMonster::cmdAbilities_Click() {
    if (Loading) return;
    // What the abilities dialog saves stays in the public members until this dialog saves.
    ShowModal(SharedForm<frmEditMonstAbility>());
}

void frmEditMonster::cmdPicPicture_Click() {
    if (Loading) return;
    const PickedPicture picked =
        PickPicture(picture_set::Monster, StandardPickerSelection(Copy.Pict));
    if (picked.Select <= -1) return;
    Copy.Pict = picked.Select;
    picSize_ = ComputePicSize(Copy.Pict);
    ShowPicture();
}

void frmEditMonster::cmdPicCustom_Click() {
    if (Loading) return;
    frmMonstPicSize& sizeDialog = SharedForm<frmMonstPicSize>();
    std::int16_t select = -1;
    if (const auto start = CustomPickerStart(Copy.Pict)) {
        select = start->Index;
        sizeDialog.PicWidth = start->Size.Width;
        sizeDialog.PicHeight = start->Size.Height;
    }
    const PickedPicture picked = PickPicture(picture_set::Custom, select);
    if (picked.Cancelled) return;
    ShowModal(sizeDialog);
    if (picked.Select <= -1) return;
    Copy.Pict = CustomMonsterPicture(picked.Select, {sizeDialog.PicWidth, sizeDialog.PicHeight});
    // The labels show the size the stored number stands for, which is the size entered
    // whenever that was a size a custom picture can have.
    picSize_ = ComputePicSize(Copy.Pict);
    ShowPicture();
}

void frmEditMonster::cmdSelectTalk_Click() {
    if (Loading) return;
    const PickedPicture picked =
        PickPicture(picture_set::Portrait, TalkPickerSelection(Copy.TalkPict));
    if (picked.Select <= -1) return;
    Copy.TalkPict = picked.Select;
    ShowTalkingPicture();
}

void frmEditMonster::cmdTalkCustom_Click() {
    if (Loading) return;
    const PickedPicture picked =
        PickPicture(picture_set::Custom, TalkCustomPickerSelection(Copy.TalkPict));
    if (picked.Select <= -1) return;
    Copy.TalkPict = static_cast<std::int16_t>(picked.Select + 1000);
    ShowTalkingPicture();
}

void frmEditMonster::optAttitude_Click(int index) {
    if (Loading) return;
    Copy.Attitude = static_cast<std::uint8_t>(index);
}

void frmEditMonster::txtName_LostFocus() {
    Copy.Name = FromQString(txtName->text());
}

void frmEditMonster::txtAttackDice_Change(int index) {
    if (Loading) return;
    BadInput = ValidateNumber(FromQString(txtAttackDice[static_cast<std::size_t>(index)]->text()),
                              "Attack dice", 0, 20);
}

void frmEditMonster::txtAttackDSide_Change(int index) {
    if (Loading) return;
    BadInput = ValidateNumber(FromQString(txtAttackDSide[static_cast<std::size_t>(index)]->text()),
                              "Attack dice sides", 0, 50);
}

// Shows the copy's value; a changed text is checked like any change, so after a rejected entry
// the error flag becomes the restored value's verdict.
void frmEditMonster::ShowAttackBox(QLineEdit* box, std::int16_t value) {
    const QString good = Decimal(value);
    if (box->text() != good) box->setText(good);
}

void frmEditMonster::txtAttackDice_LostFocus(int index) {
    const auto i = static_cast<std::size_t>(index);
    QLineEdit* box = txtAttackDice[i];
    const QString text = box->text().trimmed();
    const auto number = NumberFromBoxText(FromQString(text));
    if (BadInput || (!text.isEmpty() && !number)) {
        ShowAttackBox(box, Copy.AttackDice[i]);
        return;
    }
    SettleAttackDice(Copy, index,
                     text.isEmpty()
                         ? std::nullopt
                         : std::optional<std::int16_t>(static_cast<std::int16_t>(*number)));
    ShowAttackBox(box, Copy.AttackDice[i]);
    ShowAttackBox(txtAttackDSide[i], Copy.AttackSides[i]);
}

void frmEditMonster::txtAttackDSide_LostFocus(int index) {
    const auto i = static_cast<std::size_t>(index);
    QLineEdit* box = txtAttackDSide[i];
    const QString text = box->text().trimmed();
    const auto number = NumberFromBoxText(FromQString(text));
    if (BadInput || (!text.isEmpty() && !number)) {
        ShowAttackBox(box, Copy.AttackSides[i]);
        return;
    }
    Copy.AttackSides[i] = text.isEmpty() ? std::int16_t{0} : static_cast<std::int16_t>(*number);
    ShowAttackBox(box, Copy.AttackSides[i]);
}
