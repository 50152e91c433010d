#include "dialogs/records/frmEventTimers.h"

#include "dialogs/nodes/NodeStorage.h"
#include "dialogs/nodes/frmEditSpNode.h"
#include "dialogs/records/ScenarioFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "scenario/Scenario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
Town& CurrentTown() {
    return Scen.Towns.at(Scen.CurrentTown);
}
} // namespace

frmEventTimers::frmEventTimers() : RecordDialog(LoadOn::FirstOpening) {
    BuildControls();
    using Check = NumberRule::Check;
    for (std::size_t i = 0; i < kRows; ++i) {
        BindNumber(txtMoves[i], &Moves[i], {"Moves", 0, 0, 0, Check::OnChange});
        nodeBoxes_[i] =
            &BindNumber(txtSpNode[i], &Nodes[i], {"Node Number", 0, 0, 0, Check::OnChange});
    }
}

void frmEventTimers::BuildControls() {
    SetFormFont(this);
    setMinimumWidth(520);
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    picDlogPic = AddDialogPicture(this);
    top->addWidget(picDlogPic);
    lblLabel1[0] = AddTitleLabel(this, "Scenario Event Timers");
    lblLabel2[0] = AddTitleLabel(this, "Town Event Timers");
    top->addWidget(lblLabel1[0]);
    top->addWidget(lblLabel2[0]);
    top->addStretch();
    outer->addLayout(top);
    lblLabel1[1] = WrappedLabel(
        this, "At certain time intervals, you can have a scenario special node be called. Enter "
              "below the number of moves between each calling of the special node, and the "
              "number of the node to call. Press the Create/Edit button to make a new special.");
    lblLabel2[1] = WrappedLabel(
        this, "At certain time intervals, you can have a town special node be called. Enter "
              "below the number of moves between each calling of the special node, and the "
              "number of the node to call. Press the Create/Edit button to make a new special.");
    outer->addWidget(lblLabel1[1]);
    outer->addWidget(lblLabel2[1]);

    auto* grid = new QGridLayout;
    grid->addWidget(WrappedLabel(this, "Number of moves between each call"), 0, 0);
    lblLabel1[2] = WrappedLabel(this, "Scenario special node to call");
    lblLabel2[2] = WrappedLabel(this, "Town special node to call");
    grid->addWidget(lblLabel1[2], 0, 1);
    grid->addWidget(lblLabel2[2], 0, 1);
    for (std::size_t i = 0; i < kRows; ++i) {
        const int row = static_cast<int>(i) + 1;
        txtMoves[i] = new QLineEdit(this);
        txtSpNode[i] = new QLineEdit(this);
        cmdButton[i] = new QPushButton("Create/Edit", this);
        cmdButton[i]->setAutoDefault(false);
        grid->addWidget(txtMoves[i], row, 0);
        grid->addWidget(txtSpNode[i], row, 1);
        grid->addWidget(cmdButton[i], row, 2);
        const int index = static_cast<int>(i);
        Connect(cmdButton[i], &QPushButton::clicked, [this, index] { cmdButton_Click(index); });
    }
    outer->addLayout(grid);
    outer->addWidget(WrappedLabel(
        this, "Note: If you leave the time between calls at 0, no special node is called. Don't "
              "have special nodes called too often ... it slows the game. Also, the time between "
              "events must be a multiple of 10."));

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmEventTimers::LoadRecord() {
    Moves.fill(0);
    Nodes.fill(0);
    const auto rows = static_cast<std::size_t>(RowCount());
    for (std::size_t i = 0; i < rows; ++i) {
        Moves[i] = TownTimers() ? CurrentTown().TimerMoves[i] : Scen.EventTimerMoves[i];
        Nodes[i] = TownTimers() ? CurrentTown().TimerNodes[i] : Scen.EventTimerNodes[i];
    }
}

void frmEventTimers::ShowRecord() {
    for (std::size_t k = 0; k < 3; ++k) {
        lblLabel1[k]->setVisible(!TownTimers());
        lblLabel2[k]->setVisible(TownTimers());
    }
    for (std::size_t i = 0; i < kRows; ++i) {
        const bool used = static_cast<int>(i) < RowCount();
        txtMoves[i]->setVisible(used);
        txtSpNode[i]->setVisible(used);
        cmdButton[i]->setVisible(used);
    }
}

void frmEventTimers::cmdButton_Click(int index) {
    if (Loading) return;
    const auto row = static_cast<std::size_t>(index);
    const std::int32_t family = TownTimers() ? nodefamily::Town : nodefamily::Scenario;
    const std::int16_t opened = Nodes[row];
    frmEditSpNode& editor = SharedForm<frmEditSpNode>();
    editor.NodeSet = family;
    editor.NodeNum = opened;
    ShowModal(editor);
    // A node made for this row but left free is no node to call.
    Nodes[row] = opened == -1 ? NodeReferenceOrNone(Scen, family, editor.NodeNum) : editor.NodeNum;
    nodeBoxes_[row]->Show();
}

bool frmEventTimers::SaveRecord() {
    const auto rows = static_cast<std::size_t>(RowCount());
    for (std::size_t i = 0; i < rows; ++i) {
        (TownTimers() ? CurrentTown().TimerMoves[i] : Scen.EventTimerMoves[i]) = Moves[i];
        (TownTimers() ? CurrentTown().TimerNodes[i] : Scen.EventTimerNodes[i]) = Nodes[i];
    }
    return true;
}
