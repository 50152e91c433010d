#include "dialogs/records/RecordFormParts.h"

#include "platform/qt/DropDownList.h"
#include "platform/qt/PictureBox.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLineEdit* MakeBox(QWidget* parent, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(maxLength);
    return box;
}

PictureBox* MakePictureBox(QWidget* parent, int width, int height) {
    auto* box = new PictureBox(parent);
    box->ResizePixels(width, height);
    box->setFixedSize(width, height);
    return box;
}

QPushButton* MakeArrowButton(QWidget* parent, bool right) {
    auto* button = new QPushButton(parent);
    button->setIcon(
        QApplication::style()->standardIcon(right ? QStyle::SP_ArrowRight : QStyle::SP_ArrowLeft));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* MakeHeading(QWidget* parent, const QString& caption, const QString& numberCaption,
                         QLabel*& number) {
    auto* heading = new QHBoxLayout;
    heading->addWidget(MakeLabel(caption, parent));
    heading->addStretch();
    heading->addWidget(MakeLabel(numberCaption, parent));
    number = MakeLabel("", parent);
    heading->addWidget(number);
    return heading;
}

QHBoxLayout* MakePictureRow(QWidget* parent, PictureBox*& picture, QLabel*& number) {
    constexpr int kPictureW = 28;
    constexpr int kPictureH = 36;
    auto* row = new QHBoxLayout;
    picture = MakePictureBox(parent, kPictureW, kPictureH);
    row->addWidget(picture);
    number = MakeLabel("", parent);
    row->addWidget(number);
    return row;
}

ButtonRow MakeButtonRow(QWidget* parent, std::initializer_list<QPushButton*> leading) {
    ButtonRow buttons;
    buttons.Row = new QHBoxLayout;
    for (QPushButton* button : leading)
        buttons.Row->addWidget(button);
    buttons.Row->addStretch();
    buttons.Ok = new QPushButton("OK", parent);
    buttons.Cancel = new QPushButton("Cancel", parent);
    buttons.Row->addWidget(buttons.Cancel);
    buttons.Row->addWidget(buttons.Ok);
    return buttons;
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
