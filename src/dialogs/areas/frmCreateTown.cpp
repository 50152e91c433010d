#include "dialogs/areas/frmCreateTown.h"

#include "dialogs/areas/AreaFormParts.h"
#include "dialogs/areas/TownChoice.h"
#include "forms/DialogParts.h"
#include "forms/FormLayout.h"
#include "forms/HandlerGuard.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/Scenario.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace area_form;

namespace {
constexpr int kTextLimit = 255;

// A frame of three option buttons; the handler gets the index of the one clicked.
template <class Handler>
QGroupBox* OptionFrame(QWidget* parent, const char* title, const char* const (&captions)[3],
                       std::array<QRadioButton*, 3>& options, Handler handler) {
    auto* frame = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        options[static_cast<std::size_t>(i)] = option;
        group->addButton(option);
        column->addWidget(option);
        ConnectGuarded(option, &QRadioButton::clicked, parent, [handler, i] { handler(i); });
    }
    return frame;
}
} // namespace

frmCreateTown::frmCreateTown() {
    setWindowTitle("Varno Scenario Editor");
    SetFormFont(this);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Create New Town"));

    auto* form = new QFormLayout;
    lblTownNum = new QLabel(this);
    form->addRow("Creating town number:", lblTownNum);
    txtTownName = new QLineEdit(this);
    txtTownName->setMaxLength(kTextLimit);
    form->addRow("Town Name:", txtTownName);
    outer->addLayout(form);

    static const char* const sizes[3] = {"Large (64x64)", "Medium (48x48)", "Small (32x32)"};
    static const char* const terrains[3] = {"Just cave floor", "Plain grass", "Grass with flowers"};
    auto* frames = new QHBoxLayout;
    frames->addWidget(OptionFrame(this, "Town size:", sizes, optTownSize,
                                  [this](int i) { optTownSize_Click(i); }));
    frames->addWidget(OptionFrame(this, "Preset terrain:", terrains, optTerrain,
                                  [this](int i) { optTerrain_Click(i); }));
    outer->addLayout(frames);
    auto* note =
        new QLabel("Note: Your new town will be tacked onto the end of your current town list.");
    note->setWordWrap(true);
    outer->addWidget(note);

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    cmdOK = foot.Ok;
    cmdCancel = foot.Cancel;
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    outer->addLayout(foot.Row);

    ConnectGuarded(txtTownName, &QLineEdit::textChanged, this, [this] { txtTownName_Change(); });
    ConnectGuarded(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    ConnectGuarded(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmCreateTown::OnOpening() {
    RunGuarded([this] {
        {
            // A new opening starts with an empty box; that is not the author typing.
            const QSignalBlocker quiet(txtTownName);
            txtTownName->clear();
        }
        TownName = "Town Name";
        lblTownNum->setText(QString::number(Scen.TownCount));
        Size = 1;
        optTownSize[1]->setChecked(true);
        Terrain = 0;
        optTerrain[0]->setChecked(true);
        txtTownName->setFocus();
    });
}

void frmCreateTown::txtTownName_Change() {
    TownName = FromQString(txtTownName->text());
}

void frmCreateTown::optTownSize_Click(int index) {
    Size = static_cast<std::int16_t>(index);
}

void frmCreateTown::optTerrain_Click(int index) {
    Terrain = static_cast<std::int16_t>(index);
}

void frmCreateTown::cmdOK_Click() {
    // Closes also when the town was refused or failed: the author has been told, and the
    // towns are as they were.
    struct CloseAnyway {
        frmCreateTown* form;
        ~CloseAnyway() { form->done(QDialog::Accepted); }
    } closer{this};
    AppendNewTown(Scen, TownName, Size, Terrain);
}

void frmCreateTown::cmdCancel_Click() {
    done(QDialog::Rejected);
}

void frmCreateTown::reject() {
    RunGuarded([this] { cmdCancel_Click(); });
}
