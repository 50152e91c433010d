#include "dialogs/nodes/SpotNodeNumberDialog.h"

#include "dialogs/nodes/NodeStorage.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "map/MapState.h"
#include "scenario/Scenario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSetSpecial::frmSetSpecial() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* head = new QGridLayout();
    picDlogPic = AddDialogPicture(this);
    head->addWidget(picDlogPic, 0, 0, 2, 1, Qt::AlignTop);
    head->addWidget(AddTitleLabel(this, "Set Special"), 0, 1);
    auto* question =
        new QLabel("What special node should be called when this space is entered/examined?", this);
    question->setWordWrap(true);
    question->setFixedWidth(240);
    head->addWidget(question, 1, 1);
    head->setColumnStretch(1, 1);

    auto* entry = new QHBoxLayout();
    entry->addWidget(new QLabel("Special node #:", this));
    txtSpecNum = new QLineEdit(this);
    txtSpecNum->setFixedWidth(60);
    entry->addWidget(txtSpecNum);
    entry->addStretch(1);
    // A rejected number stays in the box until the author corrects it; OK does nothing till then.
    number_ =
        &BindNumber(txtSpecNum, &SpecNum, {"Value", 0, 99, 0, NumberRule::Check::OnChangeKept});

    const FootRow foot = MakeFootRow(this, Closing::CancelOk);
    SetButtons(foot.Ok, foot.Cancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(head);
    page->addLayout(entry);
    page->addLayout(foot.Row);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

SpecialSpot* frmSetSpecial::Spot() {
    std::vector<SpecialSpot>* spots = nullptr;
    if (EditingOutdoors()) {
        if (Scen.CurrentOutdoorX < Scen.OutdoorSections.Width() &&
            Scen.CurrentOutdoorY < Scen.OutdoorSections.Height())
            spots =
                &Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY).SpecialSpots;
    } else if (Scen.CurrentTown < Scen.Towns.size()) {
        spots = &Scen.Towns[Scen.CurrentTown].SpecialSpots;
    }
    if (!spots || Special < 0 || static_cast<std::size_t>(Special) >= spots->size()) return nullptr;
    return &(*spots)[static_cast<std::size_t>(Special)];
}

void frmSetSpecial::OpeningLoad() {
    LoadAndShow();
    // The number shown is checked like an entry, so that a stored number beyond the area's
    // nodes is not stored back unnoticed.
    const QString shown = txtSpecNum->text();
    Loading = true;
    txtSpecNum->clear();
    Loading = false;
    txtSpecNum->setText(shown);
}

void frmSetSpecial::LoadRecord() {
    number_->SetBounds(0, MaxNodeOf(EditingOutdoors() ? nodefamily::Outdoor : nodefamily::Town));
    const SpecialSpot* spot = Spot();
    // A free spot (a negative node) shows 0.
    SpecNum = spot && spot->Node >= 0 ? spot->Node : 0;
}

bool frmSetSpecial::SaveRecord() {
    if (SpecialSpot* spot = Spot()) spot->Node = SpecNum;
    return true;
}
