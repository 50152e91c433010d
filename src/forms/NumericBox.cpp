#include "forms/NumericBox.h"

#include "forms/FormControls.h"
#include "forms/HandlerGuard.h"
#include "forms/RecordDialog.h"
#include "platform/core/MsgBox.h"
#include "platform/qt/QtText.h"
#include "scenario/NumericValidator.h"

#include <QLineEdit>
#include <limits>

NumericBox::NumericBox(RecordDialog& dialog, QLineEdit* box, NumberField field, NumberRule rule)
    : dialog_(dialog), box_(box), field_(field), rule_(std::move(rule)) {
    ConnectGuarded(box_, &QLineEdit::textChanged, box_, [this] { TextChanged(); });
    OnLostFocus(box_, [this] { Commit(); });
}

void NumericBox::Show() {
    const bool wasLoading = dialog_.Loading;
    dialog_.Loading = true;
    box_->setText(QString::number(FieldValue()));
    dialog_.Loading = wasLoading;
}

void NumericBox::TextChanged() {
    if (dialog_.Loading || rule_.check == NumberRule::Check::OnFocusLoss) return;
    Validate();
}

bool NumericBox::Validate() {
    dialog_.BadInput =
        ValidateNumber(FromQString(box_->text()), rule_.caption, rule_.min, rule_.max);
    return !dialog_.BadInput;
}

void NumericBox::PutBack() {
    const QString good = QString::number(FieldValue());
    if (rule_.check == NumberRule::Check::OnFocusLoss) {
        // The verdict stays as it was: the dialog refuses OK until a box is left with an
        // accepted entry.
        const bool wasLoading = dialog_.Loading;
        dialog_.Loading = true;
        box_->setText(good);
        dialog_.Loading = wasLoading;
        return;
    }
    // The restored text is checked like any change of the text, so the verdict is the
    // restored value's. A box that already shows its value is not changed and not checked: the
    // verdict then belongs to another box, or to this value as it was shown, and leaving this
    // box must not lift it.
    box_->setText(good);
}

bool NumericBox::Commit() {
    if (rule_.check == NumberRule::Check::OnFocusLoss) {
        if (!Validate()) {
            PutBack();
            return false;
        }
    } else if (dialog_.BadInput) {
        if (rule_.check == NumberRule::Check::OnChange) PutBack();
        return false;
    }
    const QString text = box_->text().trimmed();
    const auto number = text.isEmpty() ? std::optional<std::int32_t>(rule_.emptyValue)
                                       : NumberFromBoxText(FromQString(text));
    // A lone "-", or a number the field cannot hold, is no value: the last good one stays.
    if (!number || !Fits(*number)) {
        PutBack();
        if (!number && !rule_.notNumericMessage.empty())
            MsgBox(rule_.notNumericMessage, msgbox::Exclamation, "Error!");
        return false;
    }
    if (text.isEmpty()) {
        const bool wasLoading = dialog_.Loading;
        dialog_.Loading = true;
        box_->setText(QString::number(rule_.emptyValue));
        dialog_.Loading = wasLoading;
    }
    std::visit(
        [&](auto* field) { *field = static_cast<std::remove_pointer_t<decltype(field)>>(*number); },
        field_);
    if (committed_) committed_();
    return true;
}

std::int32_t NumericBox::FieldValue() const {
    return std::visit([](auto* field) { return static_cast<std::int32_t>(*field); }, field_);
}

bool NumericBox::Fits(std::int32_t value) const {
    return std::visit(
        [value](auto* field) {
            using Field = std::remove_pointer_t<decltype(field)>;
            return value >= std::numeric_limits<Field>::min() &&
                   value <= std::numeric_limits<Field>::max();
        },
        field_);
}
