#include "dialogs/records/frmScenIntroText.h"

#include "dialogs/records/PicturePicking.h"
#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/ScenarioFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/TypingLimit.h"
#include "graphics/Drawing.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr std::int32_t kScenarioIcons = 4;
constexpr int kIconSide = 32;
constexpr std::size_t kFirstIntroString = 4;
} // namespace

frmScenIntroText::frmScenIntroText() : RecordDialog(LoadOn::FirstOpening) {
    BuildControls();
}

void frmScenIntroText::BuildControls() {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    // This box shows the scenario icon instead of the dialog picture.
    picDlogPic = MakePictureBox(this, kIconSide, kIconSide);
    top->addWidget(picDlogPic);
    top->addWidget(AddTitleLabel(this, "Scenario Details"));
    top->addStretch();
    outer->addLayout(top);

    outer->addWidget(new QLabel("Introductory text:", this));
    for (auto& box : txtIntroText) {
        box = new QLineEdit(this);
        LimitTyping(box, kScenStringLimit);
        box->setMinimumWidth(420);
        outer->addWidget(box);
    }
    auto* iconRow = new QHBoxLayout;
    lblScenIcon = new QLabel(this);
    cmdSelectIcon = new QPushButton("Select Icon", this);
    cmdSelectIcon->setAutoDefault(false);
    iconRow->addWidget(new QLabel("Scenario icon number:", this));
    iconRow->addWidget(lblScenIcon);
    iconRow->addWidget(cmdSelectIcon);
    iconRow->addStretch();
    outer->addLayout(iconRow);
    Connect(cmdSelectIcon, &QPushButton::clicked, [this] { cmdSelectIcon_Click(); });

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmScenIntroText::ShowRecord() {
    icon_ = Scen.ScenIcon;
    for (std::size_t i = 0; i < txtIntroText.size(); ++i)
        ShowWholeText(txtIntroText[i], Scen.ScenStrings[kFirstIntroString + i]);
    ShowIcon();
}

void frmScenIntroText::ShowIcon() {
    lblScenIcon->setText(Decimal(icon_));
    picDlogPic->Clear();
    DrawScenPic(picDlogPic->surface(), icon_);
    picDlogPic->Refresh();
}

void frmScenIntroText::cmdSelectIcon_Click() {
    if (Loading) return;
    const PickedPicture picked = PickPicture(kScenarioIcons, icon_);
    if (!picked.Cancelled && picked.Select >= 0) icon_ = picked.Select;
    ShowIcon();
}

bool frmScenIntroText::SaveRecord() {
    Scen.ScenIcon = static_cast<std::uint8_t>(icon_);
    for (std::size_t i = 0; i < txtIntroText.size(); ++i)
        Scen.ScenStrings[kFirstIntroString + i] = BoxText(txtIntroText[i]);
    return true;
}
