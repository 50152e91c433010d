#include "dialogs/areas/frmOutLoad.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/areas/OutdoorChoice.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/HandlerGuard.h"
#include "platform/qt/PictureBox.h"
#include "scenario/Scenario.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace area_form;

frmOutLoad::frmOutLoad() {
    setWindowTitle("Varno Scenario Editor");
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Edit Which Outdoor Section?"));
    cmbOutSection = MakeValueList(this);
    cmbOutSection->setMinimumWidth(260);
    outer->addWidget(cmbOutSection);
    auto* size = new QFormLayout;
    for (std::size_t i = 0; i < 2; ++i)
        lblOutSize[i] = new QLabel(this);
    size->addRow("World width:", lblOutSize[0]);
    size->addRow("World height:", lblOutSize[1]);
    outer->addLayout(size);
    const FootRow foot = MakeFootRow(this, Closing::OkOnly);
    cmdOK = foot.Ok;
    cmdOK->setDefault(true);
    outer->addLayout(foot.Row);
    ConnectGuarded(cmbOutSection, &QComboBox::currentIndexChanged, this,
                   [this] { cmbOutSection_Click(); });
    ConnectGuarded(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmOutLoad::OnOpening() {
    RunGuarded([this] {
        // The names may have changed since the last opening.
        FillValueList(cmbOutSection, OutdoorSectionEntries(Scen));
        ShowOutSection();
    });
}

void frmOutLoad::ShowOutSection() {
    ChosenX = Scen.CurrentOutdoorX;
    ChosenY = Scen.CurrentOutdoorY;
    // Every selection change takes the section, the one made here included.
    cmbOutSection->setCurrentIndex(
        SectionRow(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY, Scen.OutdoorHeight));
    lblOutSize[0]->setText(QString::number(Scen.OutdoorWidth));
    lblOutSize[1]->setText(QString::number(Scen.OutdoorHeight));
}

void frmOutLoad::cmbOutSection_Click() {
    const int row = cmbOutSection->currentIndex();
    if (row < 0) return;
    const Location section = SectionOfRow(row, Scen.OutdoorHeight);
    ChosenX = section.X;
    ChosenY = section.Y;
}

void frmOutLoad::SetCurrentSection() {
    Scen.CurrentOutdoorX = ChosenX;
    Scen.CurrentOutdoorY = ChosenY;
}

void frmOutLoad::cmdOK_Click() {
    SetCurrentSection();
    done(QDialog::Accepted);
}
