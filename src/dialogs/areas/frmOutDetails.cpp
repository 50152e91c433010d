#include "dialogs/areas/frmOutDetails.h"

#include "dialogs/areas/AreaFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
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
    auto* top = new QHBoxLayout;
    picDlogPic = AddDialogPicture(this);
    top->addWidget(picDlogPic);
    top->addWidget(AddTitleLabel(this, "Outdoor Details"));
    top->addStretch();
    outer->addLayout(top);
    auto* form = new QFormLayout;
    form->addRow(new QLabel("Coordinates:", this));
    for (std::size_t i = 0; i < 2; ++i)
        lblOutCoord[i] = new QLabel(this);
    form->addRow("X  =", lblOutCoord[0]);
    form->addRow("Y  =", lblOutCoord[1]);
    txtOutName = new QLineEdit(this);
    txtOutName->setMaxLength(kNameLength);
    txtOutName->setMinimumWidth(220);
    form->addRow("Section Name:", txtOutName);
    outer->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    SetButtons(ok, cancel);
}

void frmOutDetails::LoadRecord() {
    SectionX = Scen.CurrentOutdoorX;
    SectionY = Scen.CurrentOutdoorY;
}

void frmOutDetails::ShowRecord() {
    lblOutCoord[0]->setText(QString::number(SectionX));
    lblOutCoord[1]->setText(QString::number(SectionY));
    ShowLimitedText(txtOutName, Scen.OutdoorSections.At(SectionX, SectionY).Strings[0],
                    kNameLength);
}

bool frmOutDetails::SaveRecord() {
    Scen.OutdoorSections.At(SectionX, SectionY).Strings[0] = FromQString(txtOutName->text());
    return true;
}
