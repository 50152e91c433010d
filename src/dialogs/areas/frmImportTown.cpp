#include "dialogs/areas/frmImportTown.h"

#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "platform/qt/PictureBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioFileDialog.h"
#include "scenario/ScenarioImport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kDialogWidth = 420;
constexpr int kDialogHeight = 250;

QLabel* AddLabel(QWidget* parent, const char* text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
} // namespace

frmImportTown::frmImportTown() {
    setWindowTitle("Varno Scenario Editor");
    SetFormFont(this);
    setFixedSize(kDialogWidth, kDialogHeight);

    picDlogPic = AddDialogPicture(this);
    picDlogPic->move(8, 8);

    const QRect title(56, 8, 340, 16);
    Label1[0] = AddLabel(this, "Import Town", title);
    Label1[1] = AddLabel(this, "Import Outdoor Section", title);
    const QRect text(56, 30, 350, 70);
    Label2[0] = AddLabel(this,
                         "Enter a town number and hit OK. You will be asked to select a scenario "
                         "file.  The town with that number in the selected scenario file will "
                         "then be loaded in over the current town.",
                         text);
    Label2[1] = AddLabel(this,
                         "Enter an outdoor sections X and Y numbers and hit OK. You will be asked "
                         "to select a scenario file.  The outdoor section with that number in the "
                         "selected scenario file will then be loaded in over the current outdoor "
                         "section.",
                         text);
    Label3 = AddLabel(this,
                      "WARNING: This will overwrite the currently selected terrain, including "
                      "signs, specials, people, etc.",
                      QRect(56, 106, 350, 32));
    const QRect prompt(56, 150, 200, 16);
    Label4[0] = AddLabel(this, "Town Number to import:", prompt);
    Label4[1] = AddLabel(this, "Outdoor Section (X,Y) to import:", prompt);
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit(this);
        box->setGeometry(260 + 60 * i, 146, 50, 22);
        connect(box, &QLineEdit::textChanged, this, [this, i] { txtSourceNum_Change(i); });
        OnLostFocus(box, [this, i] { txtSourceNum_LostFocus(i); });
        txtSourceNum[static_cast<std::size_t>(i)] = box;
    }
    setTabOrder(txtSourceNum[0], txtSourceNum[1]);

    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setGeometry(kDialogWidth - 2 * 80 - 16, kDialogHeight - 40, 80, 26);
    cmdOK = new QPushButton("OK", this);
    cmdOK->setGeometry(kDialogWidth - 80 - 8, kDialogHeight - 40, 80, 26);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdCancel->setAutoDefault(false);
    // A click must not take the focus from a box holding a refused number: leaving it would put
    // the last number back and let the click import a town the author did not ask for.
    cmdOK->setFocusPolicy(Qt::TabFocus);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    ShowMode(0);
}

void frmImportTown::ShowMode(int mode) {
    for (int i = 0; i < 2; ++i)
        for (auto* labels : {&Label1, &Label2, &Label4})
            (*labels)[static_cast<std::size_t>(i)]->setVisible(i == mode);
    txtSourceNum[1]->setVisible(mode == 1);
}

void frmImportTown::Form_Activate() {
    badInput_ = false;
    loading_ = true;
    number_ = {0, 0};
    for (QLineEdit* box : txtSourceNum)
        box->setText("0");
    loading_ = false;
    if (Context == 0) ShowMode(0);
    if (Context == 3) ShowMode(1);
    txtSourceNum[0]->setFocus();
    txtSourceNum[0]->selectAll();
}

void frmImportTown::txtSourceNum_Change(int index) {
    if (loading_) return;
    badInput_ = ValidateNumber(FromQString(txtSourceNum[static_cast<std::size_t>(index)]->text()),
                               "Value", 0, 0);
}

void frmImportTown::txtSourceNum_LostFocus(int index) {
    QLineEdit* box = txtSourceNum[static_cast<std::size_t>(index)];
    std::int16_t& number = number_[static_cast<std::size_t>(index)];
    if (badInput_) {
        box->setText(QString::number(number));
        badInput_ = false;
        return;
    }
    if (box->text().trimmed().isEmpty()) box->setText("0");
    // A lone "-" passes the check but names no number: the box keeps the last one.
    const auto value = NumberFromBoxText(FromQString(box->text()));
    if (!value) {
        box->setText(QString::number(number));
        return;
    }
    number = static_cast<std::int16_t>(*value);
}

void frmImportTown::cmdOK_Click() {
    if (badInput_) return;
    CommitFocusedBox(this);
    if (badInput_) return;
    std::string title;
    std::string path;
    OpenScenFile(title, path, 1);
    if (ScenFile.FileDialogCancelled == 0) {
        if (Context == 0) ImportTown(number_[0], path);
        if (Context == 3) ImportOutdoorSection(number_[0], number_[1], path);
    }
    done(QDialog::Accepted);
}

void frmImportTown::cmdCancel_Click() {
    done(QDialog::Rejected);
}

void frmImportTown::reject() {
    cmdCancel_Click();
}
