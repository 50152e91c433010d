#include "dialogs/areas/frmTownDetails.h"

#include "dialogs/areas/AreaFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "forms/TypingLimit.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/Scenario.h"

#include <QButtonGroup>
#include <QCheckBox>
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
constexpr int kNameLimit = 30;

QLineEdit* NumberBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaximumWidth(60);
    return box;
}

// A group of labelled boxes laid out in pairs of columns under a wrapped heading.
QGroupBox* BoxGroup(QWidget* parent, const char* heading, const std::vector<const char*>& labels,
                    const std::vector<QWidget*>& fields) {
    auto* group = new QGroupBox(parent);
    auto* column = new QVBoxLayout(group);
    column->addWidget(WrappedLabel(group, heading));
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int row = static_cast<int>(i / 2);
        const int col = static_cast<int>(i % 2) * 2;
        grid->addWidget(new QLabel(labels[i], group), row, col);
        grid->addWidget(fields[i], row, col + 1);
    }
    column->addLayout(grid);
    return group;
}
} // namespace

frmTownDetails::frmTownDetails() : RecordDialog(LoadOn::EveryOpening) {
    BuildControls();
    BindBoxes();
}

void frmTownDetails::BuildControls() {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Town Details"));

    AddTownFacts(outer);
    AddTimingAndLighting(outer);
    AddExits(outer);

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);

    Connect(chkHidden, &QCheckBox::clicked, [this] { chkHidden_Click(); });
    OnLostFocus(txtTownName, [this] { txtTownName_LostFocus(); });
}

// The town's number, size and place, its name and whether it is hidden.
void frmTownDetails::AddTownFacts(QVBoxLayout* outer) {
    auto* facts = new QHBoxLayout;
    lblTownNum = new QLabel(this);
    lblTownSize = new QLabel(this);
    for (auto* labels : {&lblOutSect, &lblOutLoc})
        for (QLabel*& label : *labels)
            label = new QLabel(this);
    facts->addWidget(new QLabel("Town Number:", this));
    facts->addWidget(lblTownNum);
    facts->addWidget(new QLabel("Size:", this));
    facts->addWidget(lblTownSize);
    facts->addWidget(new QLabel("Out Section:", this));
    facts->addWidget(new QLabel("X:", this));
    facts->addWidget(lblOutSect[0]);
    facts->addWidget(new QLabel("Y:", this));
    facts->addWidget(lblOutSect[1]);
    facts->addWidget(new QLabel("Out Location", this));
    facts->addWidget(new QLabel("X:", this));
    facts->addWidget(lblOutLoc[0]);
    facts->addWidget(new QLabel("Y:", this));
    facts->addWidget(lblOutLoc[1]);
    facts->addStretch();
    outer->addLayout(facts);

    auto* nameRow = new QHBoxLayout;
    txtTownName = new QLineEdit(this);
    LimitTyping(txtTownName, kNameLimit);
    nameRow->addWidget(new QLabel("Town Name:", this));
    nameRow->addWidget(txtTownName, 1);
    outer->addLayout(nameRow);
    chkHidden = new QCheckBox("Town hidden? (This town cannot be seen until it's been made "
                              "visible with a special encounter.)",
                              this);
    outer->addWidget(chkHidden);
}

// When the town dies, how hard it is, and its lighting.
void frmTownDetails::AddTimingAndLighting(QVBoxLayout* outer) {
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const char* text, QLineEdit*& box) {
        box = NumberBox(this);
        grid->addWidget(WrappedLabel(this, text), row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    };
    grid->addWidget(new QLabel("Town Timing:", this), row++, 0);
    addRow("Day when town dies (if -1, it doesn't)", txtDayDies);
    addRow("Number of event which prevents town death (if -1 or 0, none)", txtEventStop);
    addRow("Maximum number of monsters: (When this many monsters are killed, the town will be "
           "abandonded.",
           txtMaxMonsters);
    addRow("Town difficulty (0-10): (Determines how fast wandering monsters appear, how nasty "
           "traps are, and how hard it is to unlock doors.",
           txtDifficulty);
    grid->setColumnStretch(0, 1);

    auto* lighting = new QGroupBox("Lighting:", this);
    auto* lightColumn = new QVBoxLayout(lighting);
    auto* lightGroup = new QButtonGroup(lighting);
    const char* lights[] = {"Fully Lit", "Dark", "Very Dark (light used 10x fast)",
                            "Totally Dark (no light)"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(lights[i], lighting);
        optLight[static_cast<std::size_t>(i)] = option;
        lightGroup->addButton(option);
        lightColumn->addWidget(option);
        Connect(option, &QRadioButton::clicked, [this, i] { optLight_Click(i); });
    }
    auto* middle = new QHBoxLayout;
    middle->addLayout(grid, 2);
    middle->addWidget(lighting, 1);
    outer->addLayout(middle);
}

// The special nodes of the exits and the entry, and the exit locations.
void frmTownDetails::AddExits(QVBoxLayout* outer) {
    for (auto& box : txtExitSpecial)
        box = NumberBox(this);
    for (auto& box : txtEntrySpecial)
        box = NumberBox(this);
    for (auto& box : txtExitLoc)
        box = NumberBox(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(
        BoxGroup(this,
                 "Exit town specials: (These are the numbers of the town special "
                 "nodes to call when the party tries to leave town in the given "
                 "direction.)",
                 {"Top", "Bottom", "Left", "Right"},
                 {txtExitSpecial[0], txtExitSpecial[1], txtExitSpecial[2], txtExitSpecial[3]}));
    groups->addWidget(BoxGroup(this,
                               "Town entry special node: (Enter the number of the town special "
                               "node to call if the party enters the town when it's still "
                               "alive, and/or when it's been abandoned.)",
                               {"Still alive", "Been abandoned"},
                               {txtEntrySpecial[0], txtEntrySpecial[1]}));
    outer->addLayout(groups);

    // Each exit location is an x and a y box side by side.
    auto* exits = new QGroupBox(this);
    auto* exitColumn = new QVBoxLayout(exits);
    exitColumn->addWidget(WrappedLabel(
        exits, "Exit town location: (These are the locations the party ends up at outdoors if "
               "they leave in the given direction. Leave at -1 for the regular location to be "
               "used.)"));
    auto* exitRow = new QHBoxLayout;
    const char* directions[] = {"Top", "Left", "Bottom", "Right"};
    for (std::size_t d = 0; d < 4; ++d) {
        exitRow->addWidget(new QLabel(directions[d], exits));
        exitRow->addWidget(txtExitLoc[2 * d]);
        exitRow->addWidget(txtExitLoc[2 * d + 1]);
    }
    exitColumn->addLayout(exitRow);
    outer->addWidget(exits);
}

void frmTownDetails::BindBoxes() {
    using Check = NumberRule::Check;
    BindNumber(txtDayDies, &Work.DayDies, {"Day", 0, 0, 0, Check::OnChange});
    BindNumber(txtEventStop, &Work.EventStop, {"Event", -1, 9, 0, Check::OnChange});
    BindNumber(txtMaxMonsters, &Work.MaxMonsters, {"Monsters", 0, 0, 0, Check::OnChange});
    BindNumber(txtDifficulty, &Work.Difficulty, {"Difficulty", 0, 10, 0, Check::OnChange});
    for (std::size_t i = 0; i < 2; ++i)
        BindNumber(txtEntrySpecial[i], &Work.EntrySpecials[i],
                   {"Value", -1, 99, 0, Check::OnChange});
    for (std::size_t i = 0; i < 4; ++i)
        BindNumber(txtExitSpecial[i], &Work.ExitSpecials[i], {"Value", -1, 99, 0, Check::OnChange});
    for (std::size_t i = 0; i < 8; ++i)
        BindNumber(txtExitLoc[i], &Work.ExitLocs[i], {"Value", -1, 47, 0, Check::OnChange});
}

void frmTownDetails::LoadRecord() {
    Work = LoadTownDetailsCopy(Scen.Towns.at(Scen.CurrentTown));
}

void frmTownDetails::ShowRecord() {
    lblTownNum->setText(QString::number(Scen.CurrentTown));
    txtTownName->setText(ToQString(Work.Name));
    if (const std::string size = TownSizeText(Work.Size); !size.empty())
        lblTownSize->setText(ToQString(size));
    CheckOption({optLight.begin(), optLight.end()}, Work.Lighting);
    lblOutSect[0]->setText(QString::number(Work.SectionX));
    lblOutSect[1]->setText(QString::number(Work.SectionY));
    lblOutLoc[0]->setText(QString::number(Work.EntranceX));
    lblOutLoc[1]->setText(QString::number(Work.EntranceY));
    chkHidden->setChecked(Work.Hidden != 0);
}

void frmTownDetails::chkHidden_Click() {
    if (Loading) return;
    Work.Hidden = chkHidden->isChecked() ? 1 : 0;
}

void frmTownDetails::optLight_Click(int index) {
    if (Loading) return;
    Work.Lighting = static_cast<std::int16_t>(index);
}

void frmTownDetails::txtTownName_LostFocus() {
    if (Loading) return;
    Work.Name = FromQString(txtTownName->text());
}

bool frmTownDetails::SaveRecord() {
    Work.Name = FromQString(txtTownName->text());
    SaveTownDetailsCopy(Work, Scen.Towns.at(Scen.CurrentTown));
    return true;
}
