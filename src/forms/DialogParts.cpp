#include "forms/DialogParts.h"

#include "graphics/Drawing.h"

#include <QLabel>

DialogPictureBox::DialogPictureBox(QWidget* parent) : PictureBox(parent) {
    ResizePixels(kSide, kSide);
}

void DialogPictureBox::paintEvent(QPaintEvent* event) {
    DrawPictureNumber(surface(), kPictureNumber);
    PictureBox::paintEvent(event);
}

DialogPictureBox* AddDialogPicture(QWidget* dialog) {
    return new DialogPictureBox(dialog);
}

QLabel* AddTitleLabel(QWidget* dialog, const char* text) {
    auto* title = new QLabel(text, dialog);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}
