#include "dialogs/areas/AreaFormParts.h"

#include "platform/qt/DropDownList.h"
#include "platform/qt/QtText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace area_form {
QComboBox* MakeValueList(QWidget* parent) {
    auto* list = new DropDownList(parent);
    list->setMaxVisibleItems(20);
    return list;
}

void FillValueList(QComboBox* list, const std::vector<std::string>& entries) {
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        rows.push_back(ToQString(entry));
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(rows);
    list->setCurrentIndex(-1);
}

void SelectRow(QComboBox* list, int row) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(row >= 0 && row < list->count() ? row : -1);
}

void CheckOption(const std::vector<QRadioButton*>& options, int index) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        QRadioButton* option = options[i];
        // An exclusive group keeps one button checked; lift that while clearing.
        QButtonGroup* group = option->group();
        if (group) group->setExclusive(false);
        option->setChecked(static_cast<int>(i) == index);
        if (group) group->setExclusive(true);
    }
}
} // namespace area_form
