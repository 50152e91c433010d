#include "dialogs/records/frmStuffDone.h"

#include "dialogs/records/RecordFormParts.h"
#include "dialogs/records/ScenarioFormParts.h"
#include "forms/DialogParts.h"
#include "forms/FormControls.h"
#include "forms/FormLayout.h"
#include "forms/HandlerGuard.h"
#include "forms/TypingLimit.h"
#include "platform/qt/SharedForms.h"
#include "scenario/NumericValidator.h"
#include "scenario/Scenario.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

namespace {
constexpr int kNameLimit = 30;
constexpr int kValueNameLimit = 50;

// The widget whose window it is, if it is a window of this program.
QWidget* WidgetOfWindow(QWindow* window) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window) return widget;
    return nullptr;
}
} // namespace

frmStuffDone::frmStuffDone() : RecordDialog(LoadOn::EveryOpening) {
    BuildControls();
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow* window) { RunGuarded([&] { FocusWindowChanged(window); }); });
}

void frmStuffDone::BuildControls() {
    SetFormFont(this);
    setModal(false);
    auto* outer = new QVBoxLayout(this);
    picDlogPic = AddDialogPicture(this);
    outer->addLayout(MakeTitleRow(this, picDlogPic, "Stuff Done Flag Descriptions"));

    auto* flagRow = new QHBoxLayout;
    cmdScrollLeft = MakeArrowButton(this, false);
    lblSD1 = new QLineEdit(this);
    lblSD1->setMaximumWidth(56);
    cmdScrollRight = MakeArrowButton(this, true);
    txtSD1 = new QLineEdit(this);
    LimitTyping(txtSD1, kNameLimit);
    flagRow->addWidget(cmdScrollLeft);
    flagRow->addWidget(lblSD1);
    flagRow->addWidget(cmdScrollRight);
    flagRow->addWidget(txtSD1, 1);
    outer->addLayout(flagRow);
    outer->addWidget(new QLabel("Descriptive message. (Max length: 50 characters)", this));

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < txtSD2.size(); ++i) {
        const int row = static_cast<int>(i);
        txtSD2[i] = new QLineEdit(this);
        LimitTyping(txtSD2[i], kValueNameLimit);
        txtSD2[i]->setMinimumWidth(360);
        cmdDelete[i] = new QPushButton("Delete", this);
        cmdDelete[i]->setAutoDefault(false);
        grid->addWidget(new QLabel(QString::number(row), this), row, 0);
        grid->addWidget(txtSD2[i], row, 1);
        grid->addWidget(cmdDelete[i], row, 2);
        Connect(cmdDelete[i], &QPushButton::clicked, [this, row] { cmdDelete_Click(row); });
    }
    outer->addLayout(grid);

    const FootRow foot = MakeFootRow(this, Closing::OkCancel);
    outer->addLayout(foot.Row);
    SetButtons(foot.Ok, foot.Cancel);
    SetArrows(cmdScrollLeft, cmdScrollRight);
    Connect(lblSD1, &QLineEdit::textChanged, [this] { lblSD1_Change(); });
    OnLostFocus(lblSD1, [this] { lblSD1_LostFocus(); });
}

void frmStuffDone::ShowModeless() {
    if (!isVisible()) {
        // Each time the window is opened it starts at flag 0.
        FlagNum = 0;
        cameFromOtherWindow_ = false;
        OnOpening();
        // Shown without blocking, it opens where every other dialog does.
        CentreOverMainWindow(*this);
        show();
    }
    raise();
    activateWindow();
}

void frmStuffDone::FocusWindowChanged(QWindow* window) {
    if (!isVisible() || !window) return;
    if (window != windowHandle()) {
        // A message box of this window is no other window: its typing must survive it.
        QWidget* widget = WidgetOfWindow(window);
        cameFromOtherWindow_ = widget && !qobject_cast<QMessageBox*>(widget);
        return;
    }
    if (std::exchange(cameFromOtherWindow_, false)) LoadFlagNames();
}

void frmStuffDone::LoadRecord() {
    Work = Scen.StuffDoneNames.at(static_cast<std::size_t>(FlagNum));
}

void frmStuffDone::LoadFlagNames() {
    LoadAndShow();
}

void frmStuffDone::ShowFlagNames() {
    const bool wasLoading = Loading;
    Loading = true;
    lblSD1->setText(Decimal(FlagNum));
    ShowWholeText(txtSD1, Work.Name);
    for (std::size_t i = 0; i < txtSD2.size(); ++i)
        ShowWholeText(txtSD2[i], Work.ValueNames[i]);
    Loading = wasLoading;
}

void frmStuffDone::SaveFlagNames() {
    Work.Name = BoxText(txtSD1);
    for (std::size_t i = 0; i < txtSD2.size(); ++i)
        Work.ValueNames[i] = BoxText(txtSD2[i]);
    Scen.StuffDoneNames.at(static_cast<std::size_t>(FlagNum)) = Work;
}

bool frmStuffDone::SaveRecord() {
    SaveFlagNames();
    return true;
}

void frmStuffDone::cmdDelete_Click(int index) {
    const auto value = static_cast<std::size_t>(index);
    Work.ValueNames[value].clear();
    txtSD2[value]->clear();
}

void frmStuffDone::lblSD1_Change() {
    if (Loading) return;
    BadInput = ValidateNumber(BoxText(lblSD1), "Value", 0, kFlagCount - 1);
    // A refused number never stays in the box.
    if (BadInput) lblSD1->setText(Decimal(FlagNum));
}

void frmStuffDone::lblSD1_LostFocus() {
    SaveFlagNames();
    const auto number = NumberFromBoxText(BoxText(lblSD1));
    if (number && *number >= 0 && *number < kFlagCount)
        FlagNum = static_cast<std::int16_t>(*number);
    LoadFlagNames();
}
