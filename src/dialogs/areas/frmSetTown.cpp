#include "dialogs/areas/frmSetTown.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/areas/TownChoice.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "platform/core/RuntimeError.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

namespace {
TownEntrance& Entrance(std::int16_t slot) {
    auto& entrances =
        Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY).TownEntrances;
    if (slot < 0 || static_cast<std::size_t>(slot) >= entrances.size())
        RaiseError(err::SubscriptOutOfRange);
    return entrances[static_cast<std::size_t>(slot)];
}
} // namespace

frmSetTown::frmSetTown() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Entrance to what town?"));
    auto* question = new QLabel(
        "What town do you want the party to end up in when they walk into this space?", this);
    question->setWordWrap(true);
    outer->addWidget(question);
    lstTown = MakeValueList(this);
    lstTown->setMinimumWidth(260);
    outer->addWidget(lstTown);
    towns_ = &BindList(lstTown, &ChosenTown, "Not Assigned");
    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmSetTown::LoadRecord() {
    towns_->Fill(TownChoiceEntries(Scen));
    ChosenTown = Entrance(OutTown).Town;
}

bool frmSetTown::SaveRecord() {
    Entrance(OutTown).Town = ChosenTown;
    return true;
}
