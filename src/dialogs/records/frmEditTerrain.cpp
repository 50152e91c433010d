#include "dialogs/records/frmEditTerrain.h"

#include "dialogs/records/OptionGroup.h"
#include "dialogs/records/PicturePicking.h"
#include "dialogs/records/RecordEditorLists.h"
#include "dialogs/records/RecordFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "graphics/GraphicsSheets.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/DropDownList.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"
#include "scenario/tables/EditorTables.h"

#include <QCheckBox>
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

template <std::size_t N>
QGroupBox* OptionFrame(QWidget* parent, const char* caption, std::array<QRadioButton*, N>& options,
                       const std::array<const char*, N>& captions) {
    auto* frame = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        layout->addWidget(options[i]);
    }
    return frame;
}
} // namespace

frmEditTerrain::frmEditTerrain() : RecordDialog(LoadOn::FirstOpening) {
    SetFormFont(this);
    BuildControls();

    BindNumber(txtLight, &copy_.Light, {"Light radius", 0, 8});
    // The extra value boxes are not bound: how they are checked follows the special property.
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Connect(txtExtra[at], &QLineEdit::textChanged, [this, i] { txtExtra_Change(i); });
        OnLostFocus(txtExtra[at], [this, i] { RunGuarded([&] { txtExtra_LostFocus(i); }); });
        Connect(lstChoose[at], &QComboBox::activated,
                [this, i](int entry) { lstChoose_Click(i, entry); });
    }
    OnLostFocus(txtName, [this] { RunGuarded([&] { txtName_LostFocus(); }); });
    OnLostFocus(txtShortcutKey, [this] { RunGuarded([&] { txtShortcutKey_LostFocus(); }); });

    ValueList& properties = BindList(lstSpProperty, &copy_.SpecialProperty);
    properties.Fill(EntryTexts(SpecialPropertyEntries));
    properties.OnChosen([this] { lstSpProperty_Click(); });
    transformList_ = &BindList(lstTransform, &copy_.TransformTo);
    for (std::size_t i = 0; i < optBlockage.size(); ++i)
        Connect(optBlockage[i], &QRadioButton::clicked, [this, i] {
            if (!Loading) copy_.Blockage = static_cast<std::uint8_t>(i);
        });
    for (std::size_t i = 0; i < optSound.size(); ++i)
        Connect(optSound[i], &QRadioButton::clicked, [this, i] {
            if (!Loading) copy_.Sound = static_cast<std::uint8_t>(i);
        });
    const auto flag = [this](QCheckBox* box, std::int32_t& field) {
        Connect(box, &QCheckBox::clicked, [this, box, &field] {
            if (!Loading) field = box->isChecked() ? 1 : 0;
        });
    };
    flag(chkFlyOver, copy_.FlyOver);
    flag(chkBoatOver, copy_.BoatOver);
    flag(chkHorseBlock, copy_.HorseBlocked);
    Connect(chkAnim, &QCheckBox::clicked, [this] { chkAnim_Click(); });
    Connect(cmdPicPicture, &QPushButton::clicked, [this] { cmdPicPicture_Click(); });
    Connect(cmdPicAnimated, &QPushButton::clicked, [this] { cmdPicAnimated_Click(); });
    Connect(cmdPicCustom, &QPushButton::clicked, [this] { cmdPicCustom_Click(); });
    SetArrows(cmdScrollLeft, cmdScrollRight);
}

void frmEditTerrain::BuildControls() {
    auto* page = new QVBoxLayout(this);
    page->addLayout(MakeHeading(this, "Edit Terrain Type", "Terrain number:", lblTerrNum));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(MakeLabel("Terrain type name:", this));
    txtName = MakeBox(this, kTerrainNameLength);
    nameRow->addWidget(txtName, 1);
    page->addLayout(nameRow);

    auto* columns = new QHBoxLayout;
    page->addLayout(columns);

    columns->addLayout(BuildPictureColumn());
    columns->addLayout(BuildPropertyGrid(), 1);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow buttons =
        MakeFootRow(this, Closing::CancelOkTabOk, {cmdScrollLeft, cmdScrollRight});
    page->addLayout(buttons.Row);
    SetButtons(buttons.Ok, buttons.Cancel);
}

// The terrain's picture, how it blocks, and the sound of a step on it.
QVBoxLayout* frmEditTerrain::BuildPictureColumn() {
    auto* left = new QVBoxLayout;
    left->addWidget(MakeLabel("Terrain picture:", this));
    QHBoxLayout* pictRow = MakePictureRow(this, picTerrain, lblPict);
    chkAnim = new QCheckBox("Animated", this);
    pictRow->addWidget(chkAnim);
    pictRow->addStretch();
    left->addLayout(pictRow);
    cmdPicPicture = new QPushButton("Pick Picture", this);
    cmdPicAnimated = new QPushButton("Animated", this);
    cmdPicCustom = new QPushButton("Custom", this);
    for (QPushButton* button : {cmdPicPicture, cmdPicAnimated, cmdPicCustom}) {
        button->setAutoDefault(false);
        left->addWidget(button);
    }
    left->addWidget(OptionFrame(this, "Terrain blockage:", optBlockage, BlockageEntries));
    left->addWidget(OptionFrame(this, "Step on sound:", optSound, StepSoundEntries));
    left->addStretch();
    return left;
}

// What can cross it, its light, key, transformation, special property and extra values.
QGridLayout* frmEditTerrain::BuildPropertyGrid() {
    auto* right = new QGridLayout;
    int row = 0;
    chkFlyOver = new QCheckBox("Can fly over?", this);
    chkBoatOver = new QCheckBox("Can boat over?", this);
    chkHorseBlock = new QCheckBox("Blocked to horsers?", this);
    for (QCheckBox* box : {chkFlyOver, chkBoatOver, chkHorseBlock})
        right->addWidget(box, row++, 0, 1, 3);
    right->addWidget(MakeLabel("Light radius:", this), row, 0);
    txtLight = MakeBox(this);
    right->addWidget(txtLight, row++, 1);
    right->addWidget(MakeLabel("Shortcut Key:", this), row, 0);
    txtShortcutKey = MakeBox(this, 1);
    right->addWidget(txtShortcutKey, row++, 1);
    right->addWidget(MakeLabel("Transform to what?", this), row, 0);
    lstTransform = new DropDownList(this);
    lstTransform->setMaxVisibleItems(20);
    right->addWidget(lstTransform, row++, 1, 1, 2);
    right->addWidget(MakeLabel("Special property:", this), row, 0);
    lstSpProperty = new DropDownList(this);
    right->addWidget(lstSpProperty, row++, 1, 1, 2);
    right->addWidget(MakeLabel("Extra values:", this), row++, 0);
    for (std::size_t i = 0; i < 2; ++i) {
        lblExtra[i] = MakeLabel("Unused", this);
        txtExtra[i] = MakeBox(this);
        lstChoose[i] = new DropDownList(this);
        lstChoose[i]->setMaxVisibleItems(20);
        right->addWidget(lblExtra[i], row, 0);
        right->addWidget(txtExtra[i], row, 1);
        right->addWidget(lstChoose[i], row++, 2);
    }
    lblTerrSet = MakeLabel("", this);
    right->addWidget(lblTerrSet, row++, 0, 1, 3);
    right->setRowStretch(row, 1);
    right->setColumnStretch(2, 1);
    return right;
}

void frmEditTerrain::done(int result) {
    listsFilled_ = false;
    RecordDialog::done(result);
}

void frmEditTerrain::FillPickLists() {
    listsFilled_ = true;
    std::vector<std::string> terrains;
    for (std::size_t n = 0; n < Scen.TerrainTypes.size(); ++n)
        terrains.push_back(std::to_string(n) + " - " + Scen.TerrainTypes[n].Name);
    transformList_->Fill(terrains);
    lstChoose[0]->clear();
    for (const std::string& entry : terrains)
        lstChoose[0]->addItem(ToQString(entry));
    lstChoose[1]->clear();
    for (std::size_t n = 0; n < SoundNames.size(); ++n)
        lstChoose[1]->addItem(Decimal(static_cast<int>(n)) + " - " + ToQString(SoundNames[n]));
    cmdPicCustom->setEnabled(CustomPicsLoaded != 0);
}

void frmEditTerrain::LoadTerrain() {
    NeedLoad = false;
    if (!listsFilled_) FillPickLists();
    copy_ = LoadTerrainCopy(Scen.TerrainTypes.at(static_cast<std::size_t>(TerrNum)));
}

void frmEditTerrain::ShowPicture() {
    lblPict->setText(Decimal(copy_.Picture));
    // A number without a picture draws nothing: the box must not keep the last one.
    picTerrain->Clear();
    DrawTerrainPic(picTerrain->surface(), copy_.Picture, 0, 0);
    picTerrain->Refresh();
}

void frmEditTerrain::ShowTerrain() {
    const LoadingScope loading(Loading);
    lblTerrNum->setText(Decimal(TerrNum));
    txtName->setText(ToQString(copy_.Name).trimmed());
    chkAnim->setVisible(copy_.Picture >= kCustomTerrainBase);
    chkAnim->setChecked(copy_.Picture >= kAnimatedCustomBase);
    ShowPicture();
    SelectOption(optBlockage, copy_.Blockage);
    chkFlyOver->setChecked(copy_.FlyOver != 0);
    chkBoatOver->setChecked(copy_.BoatOver != 0);
    chkHorseBlock->setChecked(copy_.HorseBlocked != 0);
    SelectOption(optSound, copy_.Sound);
    txtShortcutKey->setText(ToQString(std::string(1, copy_.ShortcutKey)));
    for (std::size_t i = 0; i < 2; ++i)
        txtExtra[i]->setText(Decimal(copy_.Extra[i]));
    lblTerrSet->setText("Terrain Set: " + Decimal(copy_.TerrainSet));
    ShowSpPropertyFields();
}

void frmEditTerrain::ShowSpPropertyFields() {
    const LoadingScope loading(Loading);
    for (QComboBox* list : lstChoose)
        list->hide();
    const auto rules = ExtraValueRules(copy_.SpecialProperty);
    for (std::size_t i = 0; i < 2; ++i) {
        lblExtra[i]->setText(ToQString(rules[i].Prompt));
        const auto list = rules[i].List;
        if (list == ExtraValueRule::PickList::None) continue;
        QComboBox* shown = lstChoose[list == ExtraValueRule::PickList::Terrain ? 0 : 1];
        shown->setCurrentIndex(PickListEntry(list, copy_.Extra[i]));
        shown->show();
    }
}

void frmEditTerrain::SaveTerrain() {
    SaveTerrainCopy(copy_, TerrNum, Scen.TerrainTypes.at(static_cast<std::size_t>(TerrNum)));
}

void frmEditTerrain::SetPicture(std::int16_t picture) {
    copy_.Picture = picture;
    ShowPicture();
}

void frmEditTerrain::cmdPicPicture_Click() {
    if (Loading) return;
    const PickedPicture picked =
        PickPicture(picture_set::Terrain, TerrainPickerSelection(copy_.Picture));
    if (picked.Cancelled || picked.Select <= -1) return;
    SetPicture(picked.Select);
    chkAnim->hide();
}

void frmEditTerrain::cmdPicAnimated_Click() {
    if (Loading) return;
    const PickedPicture picked =
        PickPicture(picture_set::AnimatedTerrain, AnimatedPickerSelection(copy_.Picture));
    if (picked.Cancelled || picked.Select <= -1) return;
    SetPicture(static_cast<std::int16_t>(picked.Select + kAnimatedTerrainBase));
    chkAnim->hide();
}

void frmEditTerrain::cmdPicCustom_Click() {
    if (Loading) return;
    const PickedPicture picked =
        PickPicture(picture_set::Custom, CustomTerrainSelection(copy_.Picture));
    if (picked.Cancelled || picked.Select <= -1) return;
    SetPicture(static_cast<std::int16_t>(picked.Select + kCustomTerrainBase));
    const LoadingScope loading(Loading);
    chkAnim->setChecked(false);
    chkAnim->show();
}

void frmEditTerrain::chkAnim_Click() {
    if (Loading) return;
    const int step = chkAnim->isChecked() ? 1000 : -1000;
    SetPicture(static_cast<std::int16_t>(copy_.Picture + step));
}

void frmEditTerrain::lstSpProperty_Click() {
    // The extra values stay: under the new property they are checked when next typed, and
    // an unused one is stored as 0.
    ShowSpPropertyFields();
}

void frmEditTerrain::lstChoose_Click(int index, int entry) {
    if (Loading || entry < 0) return;
    // The terrain list stands beside the first value, the sound list beside the second.
    const auto i = static_cast<std::size_t>(index);
    copy_.Extra[i] = static_cast<std::int16_t>(entry);
    txtExtra[i]->setText(Decimal(entry));
}

void frmEditTerrain::txtExtra_Change(int index) {
    if (Loading) return;
    const auto i = static_cast<std::size_t>(index);
    const ExtraValueRule rule = ExtraValueRules(copy_.SpecialProperty)[i];
    const std::string text = FromQString(txtExtra[i]->text());
    if (rule.Unused()) {
        if (text != "0") txtExtra[i]->setText("0");
        return;
    }
    BadInput = ValidateNumber(text, rule.Caption, rule.Min, rule.Max);
    if (!rule.SoundRule) return;
    const auto number = NumberFromBoxText(text);
    if (number && *number > kListedNoSound) {
        MsgBox("Sound number must be 0-99.", msgbox::OkOnly + msgbox::Exclamation, "Error!");
        BadInput = true;
    }
}

void frmEditTerrain::txtExtra_LostFocus(int index) {
    const auto i = static_cast<std::size_t>(index);
    QLineEdit* box = txtExtra[i];
    const QString text = box->text().trimmed();
    const auto number = NumberFromBoxText(FromQString(text));
    if (!BadInput && number && *number >= -32768 && *number <= 32767)
        copy_.Extra[i] = static_cast<std::int16_t>(*number);
    // A rejected entry gets the copy's value back without a second check: the stored value
    // may predate the property now chosen, and the record holds it already.
    {
        const LoadingScope loading(Loading);
        box->setText(Decimal(copy_.Extra[i]));
    }
    BadInput = false;
    const auto list = ExtraValueRules(copy_.SpecialProperty)[i].List;
    if (list != ExtraValueRule::PickList::None)
        lstChoose[list == ExtraValueRule::PickList::Terrain ? 0 : 1]->setCurrentIndex(
            PickListEntry(list, copy_.Extra[i]));
}

void frmEditTerrain::txtName_LostFocus() {
    copy_.Name = FromQString(txtName->text());
}

void frmEditTerrain::txtShortcutKey_LostFocus() {
    const std::string key = FromQString(txtShortcutKey->text());
    copy_.ShortcutKey = key.empty() ? ' ' : key[0];
}
