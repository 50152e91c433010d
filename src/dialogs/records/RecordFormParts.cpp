#include "dialogs/records/RecordFormParts.h"

#include "platform/qt/DropDownList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLineEdit* MakeBox(QWidget* parent, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(maxLength);
    return box;
}

QComboBox* MakeValueList(QWidget* parent, std::span<const char* const> entries) {
    auto* list = new DropDownList(parent);
    for (const char* entry : entries)
        list->addItem(QString::fromLatin1(entry));
    return list;
}

std::vector<std::string> EntryTexts(std::span<const char* const> entries) {
    return {entries.begin(), entries.end()};
}

void SelectValue(QComboBox* list, int value) {
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
}
