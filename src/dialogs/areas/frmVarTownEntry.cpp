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

    // Each flag heading wraps over its own narrow column of boxes, with room between the two,
    // so that the headings do not read as one line.
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(16);
    rows->addWidget(new QLabel("Town entered", this), 0, 0, Qt::AlignBottom);
    const char* const flagHeadings[] = {"Stuff Done Flag to add X", "Stuff Done Flag to add Y"};
    for (int column = 1; column <= 2; ++column) {
        auto* heading = new QLabel(flagHeadings[column - 1], this);
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        rows->addWidget(heading, 0, column);
        rows->setColumnMinimumWidth(column, 100);
    }
    for (int i = 0; i < 10; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lstTownNum[k] = MakeValueList(this);
        lstTownNum[k]->setMinimumWidth(220);
        txtStuffDoneA[k] = new QLineEdit(this);
        txtStuffDoneB[k] = new QLineEdit(this);
        for (QLineEdit* box : {txtStuffDoneA[k], txtStuffDoneB[k]}) {
            box->setFixedWidth(60);
            box->hide();
        }
        rows->addWidget(lstTownNum[k], i + 1, 0);
        rows->addWidget(txtStuffDoneA[k], i + 1, 1, Qt::AlignHCenter);
        rows->addWidget(txtStuffDoneB[k], i + 1, 2, Qt::AlignHCenter);
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
