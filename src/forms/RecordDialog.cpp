#include "forms/RecordDialog.h"

#include "forms/FormControls.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

RecordDialog::RecordDialog(LoadOn loadOn, ButtonClick buttonClick)
    : loadOn_(loadOn), buttonClick_(buttonClick) {
    setWindowTitle("Varno Scenario Editor");
}

void RecordDialog::OnOpening() {
    BadInput = false;
    if (loadOn_ == LoadOn::EveryOpening) NeedLoad = true;
    if (NeedLoad) OpeningLoad();
    if (ClosingOnOpening()) NeedLoad = true;
}

void RecordDialog::LoadAndShow() {
    NeedLoad = false;
    LoadRecord();
    const bool wasLoading = Loading;
    Loading = true;
    for (const auto& number : numbers_)
        number->Show();
    for (const auto& list : lists_)
        list->Show();
    ShowRecord();
    Loading = wasLoading;
}

void RecordDialog::cmdOK_Click() {
    if (!CommitBeforeAction()) return;
    if (!SaveRecord()) return;
    Accepted();
    if (loadOn_ == LoadOn::FirstOpening) NeedLoad = true;
    done(QDialog::Accepted);
}

void RecordDialog::StepRecord(int step) {
    if (!CommitBeforeAction()) return;
    if (!SaveRecord()) return;
    const int count = RecordCount();
    int number = RecordNumber() + step;
    if (number < 0) number = count - 1;
    if (number >= count) number = 0;
    SetRecordNumber(number);
    LoadAndShow();
}

bool RecordDialog::CommitBeforeAction() {
    NumericBox* focused = FocusedNumber();
    if (focused && focused->rule().check == NumberRule::Check::OnFocusLoss) {
        // Such a box is checked only when it is left; Enter leaves it.
        if (!focused->Commit()) return false;
    } else {
        // Checked before the focused box is committed: committing puts the last good value
        // back into a box holding a rejected entry, and the button would then save what the
        // author did not see.
        if (BadInput) return false;
        if (!focused)
            CommitFocusedBox(this);
        else if (!focused->Commit())
            return false;
    }
    return !BadInput;
}

NumericBox* RecordDialog::FocusedNumber() const {
    const QWidget* focused = QApplication::focusWidget();
    for (const auto& number : numbers_)
        if (number->box() == focused) return number.get();
    return nullptr;
}

void RecordDialog::cmdCancel_Click() {
    Cancelled();
    if (loadOn_ == LoadOn::FirstOpening) NeedLoad = true;
    done(QDialog::Rejected);
}

void RecordDialog::reject() {
    RunGuarded([this] { cmdCancel_Click(); });
}

void RecordDialog::SetClickFocus(QPushButton* button) const {
    // Taking the focus is what lets the box put its last good value back before the button
    // acts; without it the click is refused over a rejected entry, as Enter is.
    if (buttonClick_ == ButtonClick::TakesFocus)
        TakeFocusOnClick(button);
    else
        button->setFocusPolicy(Qt::TabFocus);
}

void RecordDialog::SetButtons(QPushButton* ok, QPushButton* cancel) {
    cmdOK = ok;
    cmdCancel = cancel;
    SetClickFocus(ok);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    cancel->setAutoDefault(false);
    // Cancel closes even when the box it is clicked away from shows a message on leaving.
    TakeFocusOnClick(cancel);
    Connect(ok, &QPushButton::clicked, [this] { cmdOK_Click(); });
    Connect(cancel, &QPushButton::clicked, [this] { cmdCancel_Click(); });
}

ValueList& RecordDialog::BindList(QComboBox* list, NumberField field, QString noneEntry) {
    lists_.push_back(std::make_unique<ValueList>(*this, list, field, std::move(noneEntry)));
    return *lists_.back();
}

void RecordDialog::SetArrows(QPushButton* left, QPushButton* right) {
    left->setAutoDefault(false);
    right->setAutoDefault(false);
    SetClickFocus(left);
    SetClickFocus(right);
    Connect(left, &QPushButton::clicked, [this] { cmdScrollLeft_Click(); });
    Connect(right, &QPushButton::clicked, [this] { cmdScrollRight_Click(); });
}

NumericBox& RecordDialog::BindNumber(QLineEdit* box, NumberField field, NumberRule rule) {
    numbers_.push_back(std::make_unique<NumericBox>(*this, box, field, std::move(rule)));
    return *numbers_.back();
}
