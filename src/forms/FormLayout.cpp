#include "forms/FormLayout.h"

#include <QWidget>

QRect Twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QSize TwipsSize(int width, int height) {
    return QSize(width / kTwipsPerPixel, height / kTwipsPerPixel);
}

void SetFormFont(QWidget* window) {
    QFont small = window->font();
    small.setPixelSize(11);
    window->setFont(small);
}
