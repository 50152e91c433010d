#include "dialogs/areas/frmTownLoad.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/areas/TownChoice.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/HandlerGuard.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

frmTownLoad::frmTownLoad() {
    setWindowTitle("Varno Scenario Editor");
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Pick Town to Edit"));
    outer->addWidget(new QLabel("Edit which Town?", this));
    lstTown = MakeValueList(this);
    lstTown->setMinimumWidth(260);
    outer->addWidget(lstTown);
    const FootRow foot = MakeFootRow(this, Closing::OkOnly);
    cmdOK = foot.Ok;
    cmdOK->setDefault(true);
    outer->addLayout(foot.Row);
    ConnectGuarded(lstTown, &QComboBox::activated, this, [this] { lstTown_Click(); });
    ConnectGuarded(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmTownLoad::OnOpening() {
    RunGuarded([this] {
        Loading = true;
        FillValueList(lstTown, TownChoiceEntries(Scen));
        ShowCurrentTown();
    });
}

void frmTownLoad::ShowCurrentTown() {
    Loading = true;
    ChosenTown = Scen.CurrentTown;
    SelectRow(lstTown, ChosenTown);
    Loading = false;
}

void frmTownLoad::lstTown_Click() {
    if (Loading || lstTown->currentIndex() < 0) return;
    ChosenTown = static_cast<std::int16_t>(lstTown->currentIndex());
}

void frmTownLoad::SetCurrentTown() {
    Scen.CurrentTown = static_cast<std::uint8_t>(ChosenTown);
}

void frmTownLoad::cmdOK_Click() {
    SetCurrentTown();
    done(QDialog::Accepted);
}
