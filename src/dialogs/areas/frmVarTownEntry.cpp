#include "dialogs/areas/frmVarTownEntry.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/areas/TownChoice.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "platform/qt/PictureBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

frmVarTownEntry::frmVarTownEntry() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    const NotedTitle heading = MakeNotedTitleRow(
        this, picDlogPic, "Variable Town Entry",
        "When the party enters a town, you can have the exact town entered vary, "
        "depending on circumstances. To do this, specify a town number below, and "
        "the Stuff Done flag to add to the town number when that town is entered.");
    outer->addLayout(heading.Row);

    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel("Town entered", this), 0, 0);
    rows->addWidget(new QLabel("Stuff Done Flag to add X", this), 0, 1);
    rows->addWidget(new QLabel("Stuff Done Flag to add Y", this), 0, 2);
    for (int i = 0; i < 10; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lstTownNum[k] = MakeValueList(this);
        lstTownNum[k]->setMinimumWidth(220);
        txtStuffDoneA[k] = new QLineEdit(this);
        txtStuffDoneB[k] = new QLineEdit(this);
        txtStuffDoneA[k]->hide();
        txtStuffDoneB[k]->hide();
        rows->addWidget(lstTownNum[k], i + 1, 0);
        rows->addWidget(txtStuffDoneA[k], i + 1, 1);
        rows->addWidget(txtStuffDoneB[k], i + 1, 2);
        townLists_[k] = &BindList(lstTownNum[k], &Work[k].Town, "Not Assigned");
        townLists_[k]->OnChosen([this, i] { lstTownNum_Click(i); });
        BindNumber(txtStuffDoneA[k], &Work[k].StuffDoneA, {"Value", 0, 299});
        BindNumber(txtStuffDoneB[k], &Work[k].StuffDoneB, {"Value", 0, 9});
    }
    outer->addLayout(rows);
    auto* hint = new QLabel("Leave the town at -1 for this to have no effect. For information "
                            "on how this works, see the documentation.",
                            this);
    hint->setWordWrap(true);
    outer->addWidget(hint);

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmVarTownEntry::LoadRecord() {
    // The towns may have been renamed, added or deleted since the last opening.
    const auto towns = TownChoiceEntries(Scen);
    for (ValueList* list : townLists_)
        list->Fill(towns);
    Work = Scen.VarTownEntries;
}

void frmVarTownEntry::ShowRecord() {
    for (int i = 0; i < 10; ++i)
        ShowFlagBoxes(i);
}

void frmVarTownEntry::ShowFlagBoxes(int row) {
    const auto k = static_cast<std::size_t>(row);
    const bool assigned = Work[k].Town >= 0;
    txtStuffDoneA[k]->setVisible(assigned);
    txtStuffDoneB[k]->setVisible(assigned);
}

void frmVarTownEntry::lstTownNum_Click(int row) {
    if (Loading) return;
    ShowFlagBoxes(row);
}

bool frmVarTownEntry::SaveRecord() {
    SaveVarTownEntries(Work, Scen);
    return true;
}
