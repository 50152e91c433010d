#include "dialogs/areas/frmTownMonster.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/pictures/frmSelectIcon.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "graphics/Drawing.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace area_form;

namespace {
constexpr int kPortraitSide = 36;
constexpr std::int16_t kCustomPictureBase = 1000;
constexpr std::int32_t kPortraitKind = 5;
constexpr std::int32_t kCustomKind = 0;
constexpr std::int32_t kTownNodes = 2;

template <std::size_t N, class Handler>
QGroupBox* OptionFrame(QWidget* parent, const char* title, const char* const (&captions)[N],
                       std::array<QRadioButton*, N>& options, Handler handler) {
    auto* frame = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        group->addButton(options[i]);
        column->addWidget(options[i]);
        ConnectGuarded(options[i], &QRadioButton::clicked, parent,
                       [handler, i] { handler(static_cast<int>(i)); });
    }
    return frame;
}

std::vector<std::string> EncounterGroupEntries() {
    std::vector<std::string> entries{"None"};
    for (int g = 1; g <= 10; ++g)
        entries.push_back(std::to_string(g));
    return entries;
}

} // namespace

frmTownMonster::frmTownMonster() : RecordDialog(LoadOn::EveryOpening) {
    BuildControls();
}

void frmTownMonster::BuildControls() {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = MakeRecordPicture(this);
    const NotedTitle heading =
        MakeNotedTitleRow(this, picDlogPic, "Editing a townperson/monster",
                          "Enter the information for this monster/townperson. You only need to "
                          "worry about the talking section if this is not a hostile monster.");
    outer->addLayout(heading.Row);

    AddIdentity(outer);
    AddBehaviour(outer);
    AddTalking(outer);
    AddEvents(outer);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel, {cmdScrollLeft, cmdScrollRight});
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);

    BindBoxes();

    Connect(lstMonster, &QComboBox::activated, [this] { lstMonster_Click(); });
    Connect(lstTown, &QComboBox::activated, [this] { lstTown_Click(); });
    Connect(lstPersonality, &QComboBox::activated, [this] { lstPersonality_Click(); });
    Connect(lstHere, &QComboBox::activated, [this] { lstHere_Click(); });
    Connect(lstSpecEncounterGrp, &QComboBox::activated, [this] { lstSpecEncounterGrp_Click(); });
    Connect(lstChoose[0], &QComboBox::activated, [this] { lstChoose_Click(0); });
    Connect(lstChoose[1], &QComboBox::activated, [this] { lstChoose_Click(1); });
    Connect(cmdTalkPic, &QPushButton::clicked, [this] { cmdTalkPic_Click(); });
    Connect(cmdTalkCustom, &QPushButton::clicked, [this] { cmdTalkCustom_Click(); });
    Connect(cmdButton, &QPushButton::clicked, [this] { cmdButton_Click(); });
    SetArrows(cmdScrollLeft, cmdScrollRight);
}

// The creature's number, place and type.
void frmTownMonster::AddIdentity(QVBoxLayout* outer) {
    auto* identity = new QGridLayout;
    lblMonstNum = new QLabel(this);
    lstMonster = MakeValueList(this);
    lblLoc[0] = new QLabel(this);
    lblLoc[1] = new QLabel(this);
    identity->addWidget(new QLabel("Creature number:", this), 0, 0);
    identity->addWidget(lblMonstNum, 0, 1);
    identity->addWidget(new QLabel("Location:", this), 0, 2);
    identity->addWidget(new QLabel("X:", this), 0, 3);
    identity->addWidget(lblLoc[0], 0, 4);
    identity->addWidget(new QLabel("Y:", this), 0, 5);
    identity->addWidget(lblLoc[1], 0, 6);
    identity->addWidget(new QLabel("Creature type:", this), 1, 0);
    identity->addWidget(lstMonster, 1, 1, 1, 6);
    outer->addLayout(identity);
}

// Its attitude, whether it moves, and when it is there.
void frmTownMonster::AddBehaviour(QVBoxLayout* outer) {
    static const char* const attitudes[4] = {"Friendly, Docile", "Hostile, Type A",
                                             "Friendly, Will Fight", "Hostile, Type B"};
    static const char* const moves[2] = {"No", "Yes"};
    auto* behaviour = new QHBoxLayout;
    behaviour->addWidget(OptionFrame(this, "Creature starting attitude:", attitudes, optAttitude,
                                     [this](int i) { optAttitude_Click(i); }));
    QGroupBox* movement =
        OptionFrame(this, "Movement", moves, optCanMove, [this](int i) { optCanMove_Click(i); });
    static_cast<QVBoxLayout*>(movement->layout())
        ->insertWidget(0, new QLabel("Creature can move?"));
    behaviour->addWidget(movement);

    auto* timing = new QGroupBox("Creature timing:", this);
    auto* timingGrid = new QGridLayout(timing);
    lstHere = MakeValueList(timing);
    timingGrid->addWidget(new QLabel("When is creature here?", timing), 0, 0, 1, 2);
    timingGrid->addWidget(lstHere, 1, 0, 1, 2);
    for (std::size_t i = 0; i < 2; ++i) {
        lblExtra[i] = new QLabel(timing);
        txtExtra[i] = new QLineEdit(timing);
        txtExtra[i]->setMaximumWidth(60);
        timingGrid->addWidget(lblExtra[i], static_cast<int>(i) + 2, 0);
        timingGrid->addWidget(txtExtra[i], static_cast<int>(i) + 2, 1);
    }
    lblExtra[0]->setText("Day creature appears");
    lblExtra[1]->setText("Event code (0 - no event)");
    behaviour->addWidget(timing);
    outer->addLayout(behaviour);
}

// Who it is when the party talks to it.
void frmTownMonster::AddTalking(QVBoxLayout* outer) {
    auto* talking = new QGroupBox("Talking to this creature:", this);
    auto* talkGrid = new QGridLayout(talking);
    lstTown = MakeValueList(talking);
    lstPersonality = MakeValueList(talking);
    picTalkPic = new PictureBox(talking);
    picTalkPic->ResizePixels(kPortraitSide, kPortraitSide);
    cmdTalkPic = new QPushButton("Choose", talking);
    cmdTalkCustom = new QPushButton("Custom", talking);
    // Leaving a box may show a message while a button is held down; the click must not be lost
    // to it.
    for (QPushButton* b : {cmdTalkPic, cmdTalkCustom}) {
        b->setAutoDefault(false);
        TakeFocusOnClick(b);
    }
    talkGrid->addWidget(new QLabel("From Town:", talking), 0, 0);
    talkGrid->addWidget(lstTown, 0, 1);
    talkGrid->addWidget(new QLabel("Personality:", talking), 1, 0);
    talkGrid->addWidget(lstPersonality, 1, 1);
    talkGrid->addWidget(new QLabel("Facial Graphic:", talking), 0, 2);
    talkGrid->addWidget(picTalkPic, 0, 3, 2, 1);
    talkGrid->addWidget(cmdTalkPic, 0, 4);
    talkGrid->addWidget(cmdTalkCustom, 1, 4);
    outer->addWidget(talking);
}

// Its encounter group, its death node and the flags its life is linked to.
void frmTownMonster::AddEvents(QVBoxLayout* outer) {
    auto* events = new QGridLayout;
    lstSpecEncounterGrp = MakeValueList(this);
    txtKilledSpnode = new QLineEdit(this);
    txtKilledSpnode->setMaximumWidth(60);
    cmdButton = new QPushButton("Create/Edit", this);
    cmdButton->setAutoDefault(false);
    TakeFocusOnClick(cmdButton);
    events->addWidget(new QLabel("Special Encounter Group", this), 0, 0);
    events->addWidget(lstSpecEncounterGrp, 0, 1);
    events->addWidget(WrappedLabel(this, "Number of special encounter to call when creature is "
                                         "killed (-1 - none)"),
                      1, 0);
    events->addWidget(txtKilledSpnode, 1, 1);
    events->addWidget(cmdButton, 1, 2);
    events->addWidget(WrappedLabel(this,
                                   "Stuff Done flag creatures life is linked to (0 - alive, 1 "
                                   "- dead): if either flag is -1 this is ignored"),
                      2, 0, 1, 3);
    for (std::size_t i = 0; i < 2; ++i) {
        txtStuffDone[i] = new QLineEdit(this);
        txtStuffDone[i]->setMaximumWidth(60);
        lstChoose[i] = MakeValueList(this);
        events->addWidget(txtStuffDone[i], static_cast<int>(i) + 3, 0, Qt::AlignRight);
        events->addWidget(lstChoose[i], static_cast<int>(i) + 3, 1, 1, 2);
    }
    events->setColumnStretch(0, 1);
    outer->addLayout(events);
}

// Binds the number boxes to the working copy.
void frmTownMonster::BindBoxes() {
    using Check = NumberRule::Check;
    // The day is kept in a byte: a larger day would be cut on saving.
    BindNumber(txtExtra[0], &Work.TimeDay, {"Value", 0, 255, 0, Check::OnFocusLoss});
    BindNumber(txtExtra[1], &Work.TimeEvent, {"Value", 0, 20, 0, Check::OnFocusLoss});
    killedNode_ =
        &BindNumber(txtKilledSpnode, &Work.KilledNode, {"Value", -1, 99, 0, Check::OnFocusLoss});
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // An emptied flag box means no flag.
        BindNumber(txtStuffDone[k], &FlagField(i),
                   {"Stuffdone flag", -1, std::int16_t(i == 0 ? 299 : 9), -1, Check::OnFocusLoss})
            .OnCommitted([this, i] { txtStuffDone_Committed(i); });
    }
}

void frmTownMonster::FillLists() {
    FillValueList(lstMonster, MonsterTypeEntries(Scen));
    FillValueList(lstTown, PersonalityTownEntries(Scen));
    FillValueList(lstChoose[0], FlagEntries(Scen));
    FillValueList(lstChoose[1], {});
    FillValueList(lstHere, kCreatureTimingEntries);
    FillValueList(lstSpecEncounterGrp, EncounterGroupEntries());
    listsFilled_ = true;
}

void frmTownMonster::done(int result) {
    // The next opening fills the lists afresh: names and towns may change meanwhile.
    listsFilled_ = false;
    RecordDialog::done(result);
}

void frmTownMonster::LoadRecord() {
    if (!listsFilled_) {
        FillLists();
        cmdScrollLeft->setVisible(Context);
        cmdScrollRight->setVisible(Context);
    }
    const Town& town = Scen.Towns.at(Scen.CurrentTown);
    Work = LoadTownCreatureCopy(town.Creatures.at(static_cast<std::size_t>(MonstNum)));
}

void frmTownMonster::DrawMonsterPicture() {
    DrawMonsterPic(picDlogPic->surface(), Scen.MonsterTypes[Work.Type].Picture);
    picDlogPic->Refresh();
}

void frmTownMonster::ShowRecord() {
    DrawMonsterPicture();
    lblMonstNum->setText(QString::number(MonstNum));
    lblLoc[0]->setText(QString::number(Work.X));
    lblLoc[1]->setText(QString::number(Work.Y));
    SelectRow(lstMonster, Work.Type);
    CheckOption({optAttitude.begin(), optAttitude.end()}, Work.Attitude);
    CheckOption({optCanMove.begin(), optCanMove.end()}, Work.CanMove);
    SelectRow(lstTown, Work.PersTown < 0 ? 0 : ListRowOf(Work.PersTown + 1, lstTown->count()));
    ShowPersonalities();
    DrawPortraitPic(picTalkPic->surface(), Work.FacialPic);
    picTalkPic->Refresh();
    SelectRow(lstSpecEncounterGrp, Work.EncounterGroup);
    SelectRow(lstHere, Work.TimeFlag);
    ShowTimingFields();
    SelectRow(lstChoose[0], Work.StuffDoneA);
    ShowFlagValues();
    SelectRow(lstChoose[1], Work.StuffDoneB);
}

void frmTownMonster::ShowPersonalities() {
    FillValueList(lstPersonality, PersonalityEntries(Scen, Work.PersTown));
    // A personality of a town that no longer exists has no row: nothing is selected.
    SelectRow(lstPersonality,
              Work.PersSlot < 0 ? 0 : ListRowOf(Work.PersSlot + 1, lstPersonality->count()));
}

void frmTownMonster::ShowFlagValues() {
    FillValueList(lstChoose[1], FlagValueEntries(Scen, Work.StuffDoneA));
}

void frmTownMonster::ShowTimingFields() {
    const TimingFields fields = TimingFieldsOf(Work.TimeFlag);
    const bool day = fields == TimingFields::DayAndEvent;
    const bool event = fields != TimingFields::None;
    lblExtra[0]->setVisible(day);
    txtExtra[0]->setVisible(day);
    lblExtra[1]->setVisible(event);
    txtExtra[1]->setVisible(event);
    if (day) lblExtra[0]->setText(ToQString(DayCaptionOf(Work.TimeFlag)));
}

std::int16_t& frmTownMonster::FlagField(int index) {
    return index == 0 ? Work.StuffDoneA : Work.StuffDoneB;
}

void frmTownMonster::lstMonster_Click() {
    if (Loading) return;
    if (lstMonster->currentIndex() < 0) SelectRow(lstMonster, 0);
    Work.Type = static_cast<std::uint8_t>(lstMonster->currentIndex());
    DrawMonsterPicture();
    Work.Attitude = Scen.MonsterTypes[Work.Type].Attitude;
    CheckOption({optAttitude.begin(), optAttitude.end()}, Work.Attitude);
}

void frmTownMonster::optAttitude_Click(int index) {
    if (Loading) return;
    Work.Attitude = static_cast<std::uint8_t>(index);
}

void frmTownMonster::optCanMove_Click(int index) {
    if (Loading) return;
    Work.CanMove = static_cast<std::uint8_t>(index);
}

void frmTownMonster::lstTown_Click() {
    if (Loading || lstTown->currentIndex() < 0) return;
    Work.PersTown = static_cast<std::int16_t>(lstTown->currentIndex() - 1);
    Work.PersSlot = -1;
    ShowPersonalities();
}

void frmTownMonster::lstPersonality_Click() {
    if (Loading || lstPersonality->currentIndex() < 0) return;
    Work.PersSlot = static_cast<std::int16_t>(lstPersonality->currentIndex() - 1);
}

void frmTownMonster::lstHere_Click() {
    if (Loading || lstHere->currentIndex() < 0) return;
    Work.TimeFlag = static_cast<std::uint8_t>(lstHere->currentIndex());
    ShowTimingFields();
}

void frmTownMonster::lstSpecEncounterGrp_Click() {
    if (Loading || lstSpecEncounterGrp->currentIndex() < 0) return;
    Work.EncounterGroup = static_cast<std::uint8_t>(lstSpecEncounterGrp->currentIndex());
}

void frmTownMonster::lstChoose_Click(int index) {
    QComboBox* list = lstChoose[static_cast<std::size_t>(index)];
    if (Loading || list->currentIndex() < 0) return;
    FlagField(index) = static_cast<std::int16_t>(list->currentIndex());
    txtStuffDone[static_cast<std::size_t>(index)]->setText(QString::number(FlagField(index)));
    if (index == 0) ShowFlagValues();
}

void frmTownMonster::txtStuffDone_Committed(int index) {
    if (index == 1) {
        SelectRow(lstChoose[1], Work.StuffDoneB);
        return;
    }
    if (Work.StuffDoneA == -1) {
        Work.StuffDoneB = -1;
        txtStuffDone[1]->setText("-1");
    }
    SelectRow(lstChoose[0], Work.StuffDoneA);
    ShowFlagValues();
    SelectRow(lstChoose[1], Work.StuffDoneB);
}

void frmTownMonster::cmdButton_Click() {
    if (Loading) return;
    const std::int16_t opened = Work.KilledNode;
    frmEditSpNode& editor = SharedForm<frmEditSpNode>();
    editor.NodeSet = kTownNodes;
    editor.NodeNum = opened;
    ShowModal(editor);
    Work.KilledNode =
        KilledNodeAfterEditing(Scen.Towns.at(Scen.CurrentTown), opened, editor.NodeNum);
    killedNode_->Show();
}

void frmTownMonster::cmdTalkPic_Click() {
    if (Loading) return;
    frmSelectIcon& picker = SharedForm<frmSelectIcon>();
    picker.PictureSet = kPortraitKind;
    picker.PictureSelect = Work.FacialPic < kCustomPictureBase ? Work.FacialPic : std::int16_t{-1};
    ShowModal(picker);
    if (picker.PictureSelect > -1) {
        Work.FacialPic = picker.PictureSelect;
        DrawPortraitPic(picTalkPic->surface(), Work.FacialPic);
        picTalkPic->Refresh();
    }
}

void frmTownMonster::cmdTalkCustom_Click() {
    if (Loading) return;
    frmSelectIcon& picker = SharedForm<frmSelectIcon>();
    picker.PictureSet = kCustomKind;
    picker.PictureSelect = Work.FacialPic >= kCustomPictureBase
                               ? static_cast<std::int16_t>(Work.FacialPic - kCustomPictureBase)
                               : std::int16_t{-1};
    ShowModal(picker);
    if (picker.PictureSelect > -1) {
        Work.FacialPic = static_cast<std::int16_t>(kCustomPictureBase + picker.PictureSelect);
        DrawPortraitPic(picTalkPic->surface(), Work.FacialPic);
        picTalkPic->Refresh();
    }
}

int frmTownMonster::RecordCount() const {
    return Scen.Towns.at(Scen.CurrentTown).MaxCreature() + 1;
}

bool frmTownMonster::SaveRecord() {
    Town& town = Scen.Towns.at(Scen.CurrentTown);
    SaveTownCreatureCopy(Work, town.Creatures.at(static_cast<std::size_t>(MonstNum)));
    return true;
}
