#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// Small pieces that the town and outdoor dialogs share.
namespace area_form {

// A drop-down list whose row is the value.
QComboBox* MakeValueList(QWidget* parent);
void FillValueList(QComboBox* list, const std::vector<std::string>& entries);
// Selects the row, or nothing when row is not one of the list's rows (a stale value).
void SelectRow(QComboBox* list, int row);

// Checks option index of the group, or none of them for an index outside it.
void CheckOption(const std::vector<QRadioButton*>& options, int index);
} // namespace area_form
