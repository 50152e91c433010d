#include "forms/DialogParts.h"

#include "graphics/Drawing.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

DialogPictureBox::DialogPictureBox(QWidget* parent, int side) : PictureBox(parent) {
    ResizePixels(side, side);
}

void DialogPictureBox::DrawPicture(Surface& surface) {
    DrawPictureNumber(surface, kPictureNumber);
}

void DialogPictureBox::DrawBeforePaint() {
    DrawPicture(surface());
}

DialogPictureBox* AddDialogPicture(QWidget* dialog, int side) {
    return new DialogPictureBox(dialog, side);
}

QLabel* AddTitleLabel(QWidget* dialog, const char* text) {
    auto* title = new QLabel(text, dialog);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

QLabel* WrappedLabel(QWidget* parent, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QHBoxLayout* MakeTitleRow(QWidget* dialog, QWidget* picture, const char* title) {
    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(AddTitleLabel(dialog, title));
    row->addStretch();
    return row;
}

NotedTitle MakeNotedTitleRow(QWidget* dialog, QWidget* picture, const char* title,
                             const char* note) {
    NotedTitle heading;
    heading.Row = new QHBoxLayout;
    heading.Row->addWidget(picture);
    auto* column = new QVBoxLayout;
    heading.Title = AddTitleLabel(dialog, title);
    column->addWidget(heading.Title);
    column->addWidget(WrappedLabel(dialog, note));
    heading.Row->addLayout(column, 1);
    return heading;
}

NumberedHeading MakeNumberedHeading(QWidget* dialog, QWidget* picture, const char* title,
                                    const char* numberCaption) {
    NumberedHeading heading;
    heading.Grid = new QGridLayout();
    heading.Grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    heading.Grid->addWidget(AddTitleLabel(dialog, title), 0, 1);
    heading.Caption = new QLabel(numberCaption, dialog);
    heading.Grid->addWidget(heading.Caption, 1, 1, Qt::AlignRight);
    heading.Number = new QLabel(dialog);
    heading.Number->setMinimumWidth(40);
    heading.Grid->addWidget(heading.Number, 1, 2);
    heading.Grid->setColumnStretch(1, 1);
    return heading;
}

TitleNumberHeading MakeTitleNumberHeading(QWidget* dialog, QWidget* picture, const char* title,
                                          const char* numberCaption, const char* note) {
    TitleNumberHeading heading;
    heading.Grid = new QGridLayout();
    heading.Grid->addWidget(picture, 0, 0, note ? 2 : 1, 1, Qt::AlignTop);
    heading.Title = AddTitleLabel(dialog, title);
    heading.Grid->addWidget(heading.Title, 0, 1);
    heading.Grid->addWidget(new QLabel(numberCaption, dialog), 0, 2, Qt::AlignRight);
    heading.Number = new QLabel(dialog);
    heading.Number->setMinimumWidth(40);
    heading.Grid->addWidget(heading.Number, 0, 3);
    if (note) heading.Grid->addWidget(new QLabel(note, dialog), 1, 1, 1, 3);
    heading.Grid->setColumnStretch(1, 1);
    return heading;
}

QHBoxLayout* MakeHeading(QWidget* parent, const QString& caption, const QString& numberCaption,
                         QLabel*& number) {
    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(caption, parent));
    heading->addStretch();
    heading->addWidget(new QLabel(numberCaption, parent));
    number = new QLabel("", parent);
    heading->addWidget(number);
    return heading;
}

PictureBox* MakePictureBox(QWidget* parent, int width, int height) {
    auto* box = new PictureBox(parent);
    box->ResizePixels(width, height);
    box->setFixedSize(width, height);
    return box;
}

PictureBox* MakeRecordPicture(QWidget* parent) {
    auto* box = new PictureBox(parent);
    box->ResizePixels(DialogPictureBox::kSide, DialogPictureBox::kSide);
    DialogPictureBox::DrawPicture(box->surface());
    return box;
}

QHBoxLayout* MakePictureRow(QWidget* parent, PictureBox*& picture, QLabel*& number) {
    constexpr int kPictureW = 28;
    constexpr int kPictureH = 36;
    auto* row = new QHBoxLayout;
    picture = MakePictureBox(parent, kPictureW, kPictureH);
    row->addWidget(picture);
    number = new QLabel("", parent);
    row->addWidget(number);
    return row;
}

QPushButton* MakeArrowButton(QWidget* parent, bool right) {
    auto* button = new QPushButton(parent);
    button->setIcon(
        QApplication::style()->standardIcon(right ? QStyle::SP_ArrowRight : QStyle::SP_ArrowLeft));
    button->setAutoDefault(false);
    button->setAccessibleName(right ? "Next" : "Previous");
    return button;
}

SignArrows MakeSignArrows(QWidget* dialog) {
    return {new QPushButton("<", dialog), new QPushButton(">", dialog)};
}

FootRow MakeFootRow(QWidget* dialog, Closing closing, std::initializer_list<QPushButton*> leading,
                    std::initializer_list<QPushButton*> trailing) {
    FootRow foot;
    foot.Row = new QHBoxLayout;
    for (QPushButton* button : leading)
        foot.Row->addWidget(button);
    foot.Row->addStretch();
    for (QPushButton* button : trailing)
        foot.Row->addWidget(button);
    if (closing == Closing::OkOnly) {
        foot.Ok = new QPushButton("OK", dialog);
        foot.Row->addWidget(foot.Ok);
        return foot;
    }
    // The order of making is the order Tab takes.
    if (closing == Closing::CancelOk) {
        foot.Cancel = new QPushButton("Cancel", dialog);
        foot.Ok = new QPushButton("OK", dialog);
    } else {
        foot.Ok = new QPushButton("OK", dialog);
        foot.Cancel = new QPushButton("Cancel", dialog);
    }
    if (closing == Closing::OkCancel) {
        foot.Row->addWidget(foot.Ok);
        foot.Row->addWidget(foot.Cancel);
    } else {
        foot.Row->addWidget(foot.Cancel);
        foot.Row->addWidget(foot.Ok);
    }
    return foot;
}
