#include "dialogs/areas/frmAreaDesc.h"

#include "dialogs/areas/AreaFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/TypingLimit.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/Scenario.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

namespace {
constexpr int kDescriptionLimit = 30;
}

frmAreaDesc::frmAreaDesc() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    picDlogPic = AddDialogPicture(this);
    top->addWidget(picDlogPic);
    Label1[0] = AddTitleLabel(this, "Outdoor area descriptions");
    Label1[1] = AddTitleLabel(this, "Town area descriptions");
    top->addWidget(Label1[0]);
    top->addWidget(Label1[1]);
    top->addStretch();
    outer->addLayout(top);

    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel("Upper Left Corner", this), 0, 0);
    rows->addWidget(new QLabel("Descriptive message. (Max length: 30 characters)", this), 0, 1);
    for (int i = 0; i < kAreaRowsPerPage; ++i) {
        const auto row = static_cast<std::size_t>(i);
        lblArea[row] = new QLabel(this);
        lblArea[row]->setMinimumWidth(110);
        txtArea[row] = new QLineEdit(this);
        LimitTyping(txtArea[row], kDescriptionLimit);
        txtArea[row]->setMinimumWidth(260);
        cmdDelete[row] = new QPushButton("Delete", this);
        cmdDelete[row]->setAutoDefault(false);
        // Rows keep their places whether or not their rectangle can be deleted.
        QSizePolicy keepPlace = cmdDelete[row]->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        cmdDelete[row]->setSizePolicy(keepPlace);
        rows->addWidget(lblArea[row], i + 1, 0);
        rows->addWidget(txtArea[row], i + 1, 1);
        rows->addWidget(cmdDelete[row], i + 1, 2);
        Connect(cmdDelete[row], &QPushButton::clicked, [this, i] { cmdDelete_Click(i); });
    }
    outer->addLayout(rows);

    cmdScrollLeft = MakeArrowButton(this, false);
    cmdScrollRight = MakeArrowButton(this, true);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel, {cmdScrollLeft, cmdScrollRight});
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
    Connect(cmdScrollLeft, &QPushButton::clicked, [this] { cmdScrollLeft_Click(); });
    Connect(cmdScrollRight, &QPushButton::clicked, [this] { cmdScrollRight_Click(); });
}

AreaOwner frmAreaDesc::Owner() const {
    return Context == 0 ? AreaOwner::Outdoors : AreaOwner::Town;
}

void frmAreaDesc::LoadRecord() {
    Work = LoadAreaDescCopy(Scen, Owner());
    Work.Page = 0;
}

void frmAreaDesc::ShowRecord() {
    const bool town = Owner() == AreaOwner::Town;
    Label1[0]->setVisible(!town);
    Label1[1]->setVisible(town);
    cmdScrollLeft->setVisible(town);
    cmdScrollRight->setVisible(town);
    for (std::size_t i = 0; i < kAreaRowsPerPage; ++i) {
        const std::size_t k = static_cast<std::size_t>(Work.Page) * kAreaRowsPerPage + i;
        lblArea[i]->setText(ToQString(AreaCornerText(Work.AreaRects[k])));
        cmdDelete[i]->setVisible(IsAreaPlaced(Work.AreaRects[k]));
        txtArea[i]->setText(ToQString(Work.AreaTexts[k]));
    }
}

void frmAreaDesc::TakeRowTexts() {
    for (std::size_t i = 0; i < kAreaRowsPerPage; ++i) {
        const std::size_t k = static_cast<std::size_t>(Work.Page) * kAreaRowsPerPage + i;
        Work.AreaTexts[k] = FromQString(txtArea[i]->text());
    }
}

void frmAreaDesc::cmdDelete_Click(int row) {
    TakeRowTexts();
    Work.AreaRects[static_cast<std::size_t>(Work.Page * kAreaRowsPerPage + row)] = AreaRect{};
    ShowRecord();
}

void frmAreaDesc::cmdScrollLeft_Click() {
    TakeRowTexts();
    Work.Page = TurnAreaPage(Work.Page, -1);
    ShowRecord();
}

void frmAreaDesc::cmdScrollRight_Click() {
    TakeRowTexts();
    Work.Page = TurnAreaPage(Work.Page, +1);
    ShowRecord();
}

bool frmAreaDesc::SaveRecord() {
    TakeRowTexts();
    SaveAreaDescCopy(Scen, Owner(), Work);
    return true;
}
