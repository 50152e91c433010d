#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class PictureBox;

// Small builders shared by the record editors' windows.

QLabel* MakeLabel(const QString& text, QWidget* parent);
QLineEdit* MakeBox(QWidget* parent, int maxLength = 6);
// A picture box of width x height pixels.
PictureBox* MakePictureBox(QWidget* parent, int width, int height);
// The two arrow buttons: pictures, no text.
QPushButton* MakeArrowButton(QWidget* parent, bool right);

// The heading row: the window's caption at the left; at the right numberCaption and the label
// that shows the record's number, given back in number.
QHBoxLayout* MakeHeading(QWidget* parent, const QString& caption, const QString& numberCaption,
                         QLabel*& number);

// The bottom row: the leading buttons at the left, Cancel and OK at the right.
struct ButtonRow {
    QHBoxLayout* Row = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;
};
ButtonRow MakeButtonRow(QWidget* parent, std::initializer_list<QPushButton*> leading = {});

// The row of a record's picture: its picture box, of the size of an item, monster or terrain
// picture, then the label that shows its number. The caller adds what follows them.
QHBoxLayout* MakePictureRow(QWidget* parent, PictureBox*& picture, QLabel*& number);

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
