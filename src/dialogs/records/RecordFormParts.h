#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// Small builders shared by the record editors' windows.

QLabel* MakeLabel(const QString& text, QWidget* parent);
QLineEdit* MakeBox(QWidget* parent, int maxLength = 6);
// A drop-down list whose entry index is the value it stands for.
QComboBox* MakeValueList(QWidget* parent, std::span<const char* const> entries);
// A list's fixed entries as the kit's value lists take them.
std::vector<std::string> EntryTexts(std::span<const char* const> entries);
// Selects the value's entry, or none when the list has no entry for it.
void SelectValue(QComboBox* list, int value);

// Text shown for a number in a box or label.
inline QString Decimal(int value) {
    return QString::number(value);
}
