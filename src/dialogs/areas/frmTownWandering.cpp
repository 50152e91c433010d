#include "dialogs/areas/frmTownWandering.h"

#include "dialogs/areas/AreaFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

frmTownWandering::frmTownWandering() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    const NotedTitle heading = MakeNotedTitleRow(
        this, picDlogPic, "Town Wandering Monsters",
        "Wandering monsters in towns appear in groups of up to five. There are four different "
        "wandering and special encounter slots. To edit the others, use the arrow buttons.");
    outer->addLayout(heading.Row);

    auto* form = new QFormLayout;
    lblEncNum = new QLabel(this);
    form->addRow("Encounter number:", lblEncNum);
    const char* captions[] = {"Monster 1 (1 appears)", "Monster 2 (1 appears)",
                              "Monster 3 (1 appears)", "Monster 4 (1-2 appears)"};
    for (int m = 0; m < 4; ++m) {
        QComboBox* list = MakeValueList(this);
        lstMonster[static_cast<std::size_t>(m)] = list;
        form->addRow(captions[m], list);
        Connect(list, &QComboBox::activated, [this, m] { lstMonster_Click(m); });
    }
    outer->addLayout(form);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel, {cmdScrollLeft, cmdScrollRight});
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
    Connect(cmdScrollLeft, &QPushButton::clicked, [this] { cmdScrollLeft_Click(); });
    Connect(cmdScrollRight, &QPushButton::clicked, [this] { cmdScrollRight_Click(); });
}

void frmTownWandering::LoadRecord() {
    // The monster names may have changed since the last opening.
    const auto entries = WanderingMonsterEntries(Scen);
    for (QComboBox* list : lstMonster)
        FillValueList(list, entries);
    Work = LoadTownWanderingCopy(Scen.Towns.at(Scen.CurrentTown));
    Work.CurrentGroup = 0;
}

void frmTownWandering::ShowRecord() {
    const auto group = static_cast<std::size_t>(Work.CurrentGroup);
    lblEncNum->setText(QString::number(Work.CurrentGroup));
    for (std::size_t m = 0; m < 4; ++m)
        SelectRow(lstMonster[m], Work.Monsters[group][m]);
}

void frmTownWandering::lstMonster_Click(int slot) {
    if (Loading) return;
    const int row = lstMonster[static_cast<std::size_t>(slot)]->currentIndex();
    if (row < 0) return;
    Work.Monsters[static_cast<std::size_t>(Work.CurrentGroup)][static_cast<std::size_t>(slot)] =
        static_cast<std::uint8_t>(row);
}

void frmTownWandering::cmdScrollLeft_Click() {
    Work.CurrentGroup = TurnWanderingGroup(Work.CurrentGroup, -1);
    ShowRecord();
}

void frmTownWandering::cmdScrollRight_Click() {
    Work.CurrentGroup = TurnWanderingGroup(Work.CurrentGroup, +1);
    ShowRecord();
}

bool frmTownWandering::SaveRecord() {
    SaveTownWanderingCopy(Work, Scen.Towns.at(Scen.CurrentTown));
    return true;
}
