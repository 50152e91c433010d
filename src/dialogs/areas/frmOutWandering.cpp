#include "dialogs/areas/frmOutWandering.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/areas/TownWanderingCopy.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
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

namespace {
constexpr std::int32_t kOutdoorNodes = 1;

OutdoorSection& CurrentSection() {
    return Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY);
}
} // namespace

frmOutWandering::frmOutWandering() : RecordDialog(LoadOn::FirstOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    const NotedTitle heading = MakeNotedTitleRow(
        this, picDlogPic, "Outdoor Wandering Encounter:",
        "Enter the characteristics for this outdoor encounter. There are four different wandering "
        "and special encounter slots. To edit the others, use the arrow buttons.");
    Label1 = heading.Title;
    outer->addLayout(heading.Row);

    AddMonsters(outer);
    AddNodes(outer);
    AddTraits(outer);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel, {cmdScrollLeft, cmdScrollRight});
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
    SetArrows(cmdScrollLeft, cmdScrollRight);
}

// The encounter's number and its ten monster lists.
void frmOutWandering::AddMonsters(QVBoxLayout* outer) {
    auto* number = new QHBoxLayout;
    number->addWidget(new QLabel("Encounter number:", this));
    lblEncNumber = new QLabel(this);
    number->addWidget(lblEncNumber);
    number->addStretch();
    outer->addLayout(number);

    auto* monsters = new QGroupBox("Monsters in encounter:", this);
    auto* monsterGrid = new QGridLayout(monsters);
    const char* captions[] = {
        "Hostile (15-30)", "Hostile (7-10)", "Hostile (4-6)",   "Hostile (3-5)",  "Hostile (2-3)",
        "Hostile (1-2)",   "Hostile (1)",    "Friendly (7-10)", "Friendly (2-4)", "Friendly (1)"};
    for (int i = 0; i < 10; ++i) {
        QComboBox* list = MakeValueList(this);
        list->setMinimumWidth(200);
        lstMonster[static_cast<std::size_t>(i)] = list;
        const int column = (i / 5) * 2;
        monsterGrid->addWidget(new QLabel(captions[i], this), i % 5, column);
        monsterGrid->addWidget(list, i % 5, column + 1);
        BindList(list, &Work.Shown.Monsters[static_cast<std::size_t>(i)]);
    }
    outer->addWidget(monsters);
}

// The special nodes called when the encounter starts, is won or is fled.
void frmOutWandering::AddNodes(QVBoxLayout* outer) {
    auto* nodes = new QGridLayout;
    const char* nodeCaptions[] = {"Special called when enc. starts",
                                  "Special called when party wins",
                                  "Special called if party flees"};
    const auto fields = NodeFields();
    for (int j = 0; j < 3; ++j) {
        const auto k = static_cast<std::size_t>(j);
        txtSpNode[k] = new QLineEdit(this);
        cmdSpNode[k] = new QPushButton("Create/Edit", this);
        cmdSpNode[k]->setAutoDefault(false);
        nodes->addWidget(new QLabel(nodeCaptions[j], this), j, 0);
        nodes->addWidget(txtSpNode[k], j, 1);
        nodes->addWidget(cmdSpNode[k], j, 2);
        nodeBoxes_[k] = &BindNumber(txtSpNode[k], fields[k], {"Value", -1, 255});
        Connect(cmdSpNode[k], &QPushButton::clicked, [this, j] { cmdSpNode_Click(j); });
    }
    outer->addLayout(nodes);
}

// Whether the monsters can flee and the encounter is forced, and the flag that ends it.
void frmOutWandering::AddTraits(QVBoxLayout* outer) {
    auto* traits = new QGroupBox("Advanced encounter traits:", this);
    auto* traitRows = new QVBoxLayout(traits);
    chkFlee = new QCheckBox("Monsters can't flee party", this);
    chkForce = new QCheckBox("Encounter is forced  (Party fights it right away)", this);
    traitRows->addWidget(chkFlee);
    traitRows->addWidget(chkForce);
    outer->addWidget(traits);
    Connect(chkFlee, &QCheckBox::clicked, [this] { chkFlee_Click(); });
    Connect(chkForce, &QCheckBox::clicked, [this] { chkForce_Click(); });

    auto* flag = new QHBoxLayout;
    flag->addWidget(new QLabel("Stuff Done flag to eliminate encounter", this));
    std::int16_t* parts[] = {&Work.Shown.StuffDoneA, &Work.Shown.StuffDoneB};
    for (std::size_t p = 0; p < 2; ++p) {
        txtSDFlag[p] = new QLineEdit(this);
        flag->addWidget(txtSDFlag[p]);
        BindNumber(txtSDFlag[p], parts[p], {"Value", -1, 255});
    }
    outer->addLayout(flag);
}

std::array<std::int16_t*, 3> frmOutWandering::NodeFields() {
    return {&Work.Shown.StartNode, &Work.Shown.WinNode, &Work.Shown.FleeNode};
}

void frmOutWandering::OpeningLoad() {
    // The monster names may have changed since the last opening.
    const auto entries = WanderingMonsterEntries(Scen);
    for (QComboBox* list : lstMonster)
        FillValueList(list, entries);
    Work = LoadEncounterCopy(CurrentSection(), Context);
    LoadAndShow();
}

void frmOutWandering::LoadRecord() {
    Work.Shown = Work.Encounters[static_cast<std::size_t>(Work.Current)];
}

void frmOutWandering::ShowRecord() {
    if (Context == 0) Label1->setText("Outdoor Wandering Encounter:");
    if (Context == 1) Label1->setText("Outdoor Special Encounter:");
    lblEncNumber->setText(QString::number(Work.Current));
    chkFlee->setChecked(Work.Shown.CannotFlee != 0);
    chkForce->setChecked(Work.Shown.Forced != 0);
}

bool frmOutWandering::SaveRecord() {
    // Keeps the edits of the encounter on show in the working copy: the arrows step on
    // without writing the section.
    Work.Encounters[static_cast<std::size_t>(Work.Current)] = Work.Shown;
    return true;
}

void frmOutWandering::Accepted() {
    SaveEncounterCopy(Work, CurrentSection(), Context);
}

void frmOutWandering::chkFlee_Click() {
    if (Loading) return;
    Work.Shown.CannotFlee = chkFlee->isChecked() ? 1 : 0;
}

void frmOutWandering::chkForce_Click() {
    if (Loading) return;
    Work.Shown.Forced = chkForce->isChecked() ? 1 : 0;
}

void frmOutWandering::cmdSpNode_Click(int index) {
    if (Loading) return;
    const auto k = static_cast<std::size_t>(index);
    std::int16_t& node = *NodeFields()[k];
    const std::int16_t opened = node;
    frmEditSpNode& editor = SharedForm<frmEditSpNode>();
    editor.NodeSet = kOutdoorNodes;
    editor.NodeNum = opened;
    ShowModal(editor);
    node = EncounterNodeAfterEditing(Scen, opened, editor.NodeNum);
    nodeBoxes_[k]->Show();
    BadInput = false;
}
