#include "dialogs/records/frmScenDet.h"

#include "dialogs/records/OptionGroup.h"
#include "dialogs/records/ScenarioFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/TypingLimit.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kNameLimit = 30;
constexpr int kVersionLimit = 3;
const char* const kVersionCaption = "Version number";

// The two header bytes as this dialog names them: the byte the files keep where the model has
// ScenRating is the difficulty, the one where it has ScenDifficulty is the rating. Stored
// files rely on this.
std::uint8_t& DifficultyByte(Scenario& scen) {
    return scen.ScenRating;
}
std::uint8_t& RatingByte(Scenario& scen) {
    return scen.ScenDifficulty;
}

QGroupBox* OptionFrame(QWidget* parent, const char* caption, const char* const (&texts)[4],
                       std::array<QRadioButton*, 4>& options) {
    auto* frame = new QGroupBox(caption, parent);
    auto* column = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (std::size_t i = 0; i < options.size(); ++i) {
        options[i] = new QRadioButton(texts[i], frame);
        group->addButton(options[i]);
        column->addWidget(options[i]);
    }
    return frame;
}
} // namespace

frmScenDet::frmScenDet() : RecordDialog(LoadOn::EveryOpening) {
    BuildControls();
}

void frmScenDet::BuildControls() {
    SetFormFont(this);
    setMinimumWidth(520);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Scenario Details"));

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addText = [&](const char* caption, QLineEdit*& box, int limit) {
        box = new QLineEdit(this);
        LimitTyping(box, limit);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(box, row++, 1);
    };
    addText("Scenario Name:", txtName, kNameLimit);
    auto* versions = new QHBoxLayout;
    for (std::size_t i = 0; i < txtVersion.size(); ++i) {
        txtVersion[i] = new QLineEdit(this);
        LimitTyping(txtVersion[i], kVersionLimit);
        txtVersion[i]->setMaximumWidth(48);
        versions->addWidget(txtVersion[i]);
        const int index = static_cast<int>(i);
        Connect(txtVersion[i], &QLineEdit::textChanged,
                [this, index] { txtVersion_Change(index); });
    }
    versions->addStretch();
    grid->addWidget(new QLabel("Version Number:", this), row, 0);
    grid->addLayout(versions, row++, 1);
    addText("Credits Part 1:", txtCredit1, kScenStringLimit);
    addText("Credits Part 2:", txtCredit2, kScenStringLimit);
    addText("Contact Information:", txtContact, kScenStringLimit);
    addText("Default Death Message", txtDeath[0], kScenStringLimit);
    txtDeath[1] = new QLineEdit(this);
    LimitTyping(txtDeath[1], kScenStringLimit);
    grid->addWidget(txtDeath[1], row++, 1);
    outer->addLayout(grid);

    static const char* const ratings[4] = {"G", "PG", "R", "NC-17"};
    static const char* const difficulties[4] = {"Low Level (1-8)", "Medium Level (9-18)",
                                                "High Level (19-30)", "Very High Level (30+)"};
    auto* frames = new QHBoxLayout;
    frames->addWidget(OptionFrame(this, "Rating", ratings, optRating));
    frames->addWidget(OptionFrame(this, "Difficulty", difficulties, optDifficulty));
    outer->addLayout(frames);
    for (std::size_t i = 0; i < 4; ++i) {
        const int index = static_cast<int>(i);
        Connect(optRating[i], &QRadioButton::clicked, [this, index] { optRating_Click(index); });
        Connect(optDifficulty[i], &QRadioButton::clicked,
                [this, index] { optDifficulty_Click(index); });
    }

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmScenDet::ShowRecord() {
    ShowWholeText(txtName, Scen.ScenStrings[0]);
    for (std::size_t i = 0; i < txtVersion.size(); ++i)
        txtVersion[i]->setText(" " + QString::number(Scen.ScenVersion[i]));
    ShowWholeText(txtCredit1, Scen.ScenStrings[1]);
    ShowWholeText(txtCredit2, Scen.ScenStrings[2]);
    ShowWholeText(txtContact, Scen.ScenStrings[3]);
    ShowWholeText(txtDeath[0], Scen.ScenStrings[10]);
    ShowWholeText(txtDeath[1], Scen.ScenStrings[11]);
    Difficulty = DifficultyByte(Scen);
    Rating = RatingByte(Scen);
    SelectOption(optRating, Rating);
    SelectOption(optDifficulty, Difficulty);
}

void frmScenDet::txtVersion_Change(int index) {
    if (Loading) return;
    BadInput = ValidateNumber(BoxText(txtVersion[static_cast<std::size_t>(index)]), kVersionCaption,
                              0, 255);
}

void frmScenDet::optRating_Click(int index) {
    if (!Loading) Rating = static_cast<std::int16_t>(index);
}

void frmScenDet::optDifficulty_Click(int index) {
    if (!Loading) Difficulty = static_cast<std::int16_t>(index);
}

bool frmScenDet::SaveRecord() {
    // The error flag follows the last box changed: an earlier box may still hold a refused
    // entry, so every box is checked again before anything is stored.
    std::array<std::uint8_t, 3> version{};
    for (std::size_t i = 0; i < txtVersion.size(); ++i) {
        const std::string text = BoxText(txtVersion[i]);
        const auto number = NumberFromBoxText(text);
        if (ValidateNumber(text, kVersionCaption, 0, 255) || !number) {
            BadInput = true;
            txtVersion[i]->setFocus();
            return false;
        }
        version[i] = static_cast<std::uint8_t>(*number);
    }
    Scen.ScenStrings[0] = BoxText(txtName);
    Scen.ScenStrings[1] = BoxText(txtCredit1);
    Scen.ScenStrings[2] = BoxText(txtCredit2);
    Scen.ScenStrings[3] = BoxText(txtContact);
    Scen.ScenStrings[10] = BoxText(txtDeath[0]);
    Scen.ScenStrings[11] = BoxText(txtDeath[1]);
    Scen.ScenVersion = version;
    // A stored value that no option stands for is kept until an option is chosen.
    RatingByte(Scen) = static_cast<std::uint8_t>(Rating);
    DifficultyByte(Scen) = static_cast<std::uint8_t>(Difficulty);
    return true;
}
