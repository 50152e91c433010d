#include "dialogs/records/frmTransport.h"

#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/ScenarioFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "platform/qt/DropDownList.h"
#include "scenario/Scenario.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace {
// The label texts of one kind: title, explanation, note, and the row caption.
struct KindTexts {
    const char* title;
    const char* explanation;
    const char* note;
    const char* row;
};

const KindTexts kBoatTexts{
    "Edit Boats",
    "There can be up to 24 boats in your scenario, each of which must start in some town. The "
    "boats can start as someone's property, if you want. If the town is left at -1, the boat "
    "won't exist.",
    "", "Boat number"};
const KindTexts kHorseTexts{
    "Edit Horses",
    "There can be up to 24 horses in your scenario, each of which must start in some town. The "
    "horses can start as someone's property, if you want. If the town is left at -1, the horse "
    "won't exist.",
    "Note that horses can't walk over certain terrain types (like floors). Be careful not to "
    "place horses where they're stuck and can't get out. This makes them sad.",
    "Horse number"};

// The largest coordinate in a town of the scenario by its size; for a number that names no
// town of the scenario only the byte's range holds.
std::int16_t LargestCoordinate(std::int16_t town) {
    if (town < 0 || town >= Scen.TownCount || static_cast<std::size_t>(town) >= Scen.Towns.size())
        return 255;
    switch (Scen.Towns[static_cast<std::size_t>(town)].Size) {
    case 0:
        return 63;
    case 1:
        return 47;
    case 2:
        return 31;
    default:
        return 255;
    }
}
} // namespace

frmTransport::frmTransport() : RecordDialog(LoadOn::EveryOpening) {
    BuildControls();
    BindRows();
}

void frmTransport::BuildControls() {
    SetFormFont(this);
    setMinimumWidth(600);
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    picDlogPic = AddDialogPicture(this);
    top->addWidget(picDlogPic);
    lblLabel1[0] = AddTitleLabel(this, kBoatTexts.title);
    lblLabel2[0] = AddTitleLabel(this, kHorseTexts.title);
    top->addWidget(lblLabel1[0]);
    top->addWidget(lblLabel2[0]);
    top->addStretch();
    outer->addLayout(top);
    lblLabel1[1] = WrappedLabel(this, kBoatTexts.explanation);
    lblLabel2[1] = WrappedLabel(this, kHorseTexts.explanation);
    lblLabel1[2] = WrappedLabel(this, kBoatTexts.note);
    lblLabel2[2] = WrappedLabel(this, kHorseTexts.note);
    for (std::size_t k = 1; k <= 2; ++k) {
        outer->addWidget(lblLabel1[k]);
        outer->addWidget(lblLabel2[k]);
    }

    auto* grid = new QGridLayout;
    const char* headings[] = {"Town to start in", "X Location in town", "Y Location in town",
                              "Not Party Property"};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(WrappedLabel(this, headings[c]), 0, c + 2);
    for (std::size_t i = 0; i < kRows; ++i) {
        const int row = static_cast<int>(i) + 1;
        lblLabel1[i + 3] = new QLabel(kBoatTexts.row, this);
        lblLabel2[i + 3] = new QLabel(kHorseTexts.row, this);
        lblTransNum[i] = new QLabel(this);
        lstTown[i] = new DropDownList(this);
        txtXcoord[i] = new QLineEdit(this);
        txtYcoord[i] = new QLineEdit(this);
        chkProperty[i] = new QCheckBox(this);
        txtXcoord[i]->setMaximumWidth(56);
        txtYcoord[i]->setMaximumWidth(56);
        grid->addWidget(lblLabel1[i + 3], row, 0);
        grid->addWidget(lblLabel2[i + 3], row, 0);
        grid->addWidget(lblTransNum[i], row, 1);
        grid->addWidget(lstTown[i], row, 2);
        grid->addWidget(txtXcoord[i], row, 3);
        grid->addWidget(txtYcoord[i], row, 4);
        grid->addWidget(chkProperty[i], row, 5);
        const int index = static_cast<int>(i);
        Connect(chkProperty[i], &QCheckBox::clicked, [this, index] { chkProperty_Click(index); });
    }
    outer->addLayout(grid);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel, {cmdScrollLeft, cmdScrollRight});
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
    // The arrows turn pages of the working copy: they save nothing, unlike record arrows.
    Connect(cmdScrollLeft, &QPushButton::clicked, [this] { TurnPage(-1); });
    Connect(cmdScrollRight, &QPushButton::clicked, [this] { TurnPage(1); });
}

void frmTransport::BindRows() {
    using Check = NumberRule::Check;
    for (std::size_t i = 0; i < kRows; ++i) {
        xBoxes_[i] = &BindNumber(txtXcoord[i], &rowX_[i], {"Value", 0, 255, 0, Check::OnChange});
        yBoxes_[i] = &BindNumber(txtYcoord[i], &rowY_[i], {"Value", 0, 255, 0, Check::OnChange});
        townLists_[i] = &BindList(lstTown[i], &rowTown_[i], "Not Assigned");
        xBoxes_[i]->OnCommitted([this, i] { RowRecord(i).X = rowX_[i]; });
        yBoxes_[i]->OnCommitted([this, i] { RowRecord(i).Y = rowY_[i]; });
        townLists_[i]->OnChosen([this, i] { lstTown_Click(static_cast<int>(i)); });
    }
}

std::array<Transport, frmTransport::kCount>* frmTransport::Stored() {
    return TransportType == 0 ? &Scen.Boats : TransportType == 1 ? &Scen.Horses : nullptr;
}

void frmTransport::LoadRecord() {
    const bool horses = TransportType == 1;
    for (std::size_t k = 0; k < lblLabel1.size(); ++k) {
        // The boats have no note: its empty label takes no room.
        lblLabel1[k]->setVisible(!horses && !lblLabel1[k]->text().isEmpty());
        lblLabel2[k]->setVisible(horses);
    }
    std::vector<std::string> towns;
    for (std::size_t t = 0; t < Scen.TownCount && t < Scen.Towns.size(); ++t)
        towns.push_back(" " + std::to_string(t) + " - " + Scen.Towns[t].Strings[0]);
    for (ValueList* list : townLists_)
        list->Fill(towns);
    if (const auto* stored = Stored()) Work = *stored;
    Page = 0;
    // The rows show the page's records (the lists and boxes are filled by the kit next).
    for (std::size_t i = 0; i < kRows; ++i) {
        rowTown_[i] = RowRecord(i).Town;
        rowX_[i] = RowRecord(i).X;
        rowY_[i] = RowRecord(i).Y;
    }
}

void frmTransport::ShowRecord() {
    const bool wasLoading = Loading;
    Loading = true;
    for (std::size_t i = 0; i < kRows; ++i) {
        const Transport& record = RowRecord(i);
        rowTown_[i] = record.Town;
        rowX_[i] = record.X;
        rowY_[i] = record.Y;
        lblTransNum[i]->setText(Decimal(Page * kRows + static_cast<int>(i)));
        townLists_[i]->Show();
        xBoxes_[i]->Show();
        yBoxes_[i]->Show();
        chkProperty[i]->setChecked(record.NotProperty != 0);
        ShowRowPlace(i);
    }
    Loading = wasLoading;
}

void frmTransport::ShowRowPlace(std::size_t row) {
    const std::int16_t town = RowRecord(row).Town;
    const bool placed = town >= 0;
    txtXcoord[row]->setVisible(placed);
    txtYcoord[row]->setVisible(placed);
    chkProperty[row]->setVisible(placed);
    const std::int16_t largest = LargestCoordinate(town);
    xBoxes_[row]->SetBounds(0, largest);
    yBoxes_[row]->SetBounds(0, largest);
}

void frmTransport::lstTown_Click(int index) {
    if (Loading) return;
    const auto row = static_cast<std::size_t>(index);
    RowRecord(row).Town = rowTown_[row];
    ShowRowPlace(row);
}

void frmTransport::chkProperty_Click(int index) {
    if (Loading) return;
    RowRecord(static_cast<std::size_t>(index)).NotProperty =
        chkProperty[static_cast<std::size_t>(index)]->isChecked() ? 1 : 0;
}

void frmTransport::TurnPage(int step) {
    if (BadInput) return;
    // A value typed just before the click is taken over first.
    CommitFocusedBox(this);
    if (BadInput) return;
    Page = (Page + step + kPages) % kPages;
    ShowRecord();
}

bool frmTransport::SaveRecord() {
    auto* stored = Stored();
    if (!stored) return true;
    for (Transport& record : Work)
        if (record.Town == -1) record.X = record.Y = record.NotProperty = 0;
    *stored = Work;
    return true;
}
