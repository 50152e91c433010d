#include "dialogs/areas/frmOutDetails.h"

#include "dialogs/areas/AreaFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/TypingLimit.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/Scenario.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

namespace {
constexpr int kNameLength = 30;
} // namespace

frmOutDetails::frmOutDetails() : RecordDialog(LoadOn::EveryOpening) {
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Outdoor Details"));
    auto* form = new QFormLayout;
    form->addRow(new QLabel("Coordinates:", this));
    for (std::size_t i = 0; i < 2; ++i)
        lblOutCoord[i] = new QLabel(this);
    form->addRow("X  =", lblOutCoord[0]);
    form->addRow("Y  =", lblOutCoord[1]);
    txtOutName = new QLineEdit(this);
    LimitTyping(txtOutName, kNameLength);
    txtOutName->setMinimumWidth(220);
    form->addRow("Section Name:", txtOutName);
    outer->addLayout(form);
    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
}

void frmOutDetails::LoadRecord() {
    SectionX = Scen.CurrentOutdoorX;
    SectionY = Scen.CurrentOutdoorY;
}

void frmOutDetails::ShowRecord() {
    lblOutCoord[0]->setText(QString::number(SectionX));
    lblOutCoord[1]->setText(QString::number(SectionY));
    txtOutName->setText(ToQString(Scen.OutdoorSections.At(SectionX, SectionY).Strings[0]));
}

bool frmOutDetails::SaveRecord() {
    Scen.OutdoorSections.At(SectionX, SectionY).Strings[0] = FromQString(txtOutName->text());
    return true;
}
