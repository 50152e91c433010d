#include "forms/ValueList.h"

#include "forms/HandlerGuard.h"
#include "forms/RecordDialog.h"
#include "platform/qt/QtText.h"

#include <QComboBox>

ValueList::ValueList(RecordDialog& dialog, QComboBox* list, NumberField field, QString noneEntry)
    : dialog_(dialog), list_(list), field_(field), noneEntry_(std::move(noneEntry)) {
    // Only a choice by the author runs the handler; selections made by code do not.
    ConnectGuarded(list_, &QComboBox::activated, list_, [this](int index) { Chosen(index); });
}

void ValueList::Fill(const std::vector<std::string>& entries) {
    QStringList texts;
    if (!noneEntry_.isEmpty()) texts.append(noneEntry_);
    for (const std::string& entry : entries)
        texts.append(ToQString(entry));
    list_->clear();
    list_->addItems(texts);
}

void ValueList::Show() {
    const std::int32_t value =
        std::visit([](auto* field) { return static_cast<std::int32_t>(*field); }, field_);
    const std::int32_t index = value + Offset();
    list_->setCurrentIndex(index >= 0 && index < list_->count() ? static_cast<int>(index) : -1);
}

void ValueList::Chosen(int index) {
    if (dialog_.Loading || index < 0) return;
    const std::int32_t value = index - Offset();
    std::visit(
        [value](auto* field) {
            *field = static_cast<std::remove_pointer_t<decltype(field)>>(value);
        },
        field_);
    if (chosen_) chosen_();
}
