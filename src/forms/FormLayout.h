#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Places of controls are designed in twips; the screen has 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;

// A control's place (left, top, width, height in twips) in pixels.
QRect Twips(int left, int top, int width, int height);
// A window's client size in pixels, from its width and height in twips.
QSize TwipsSize(int width, int height);

// The one font of the program's windows, at a size at which every caption fits the place its
// window designs for it. Children take it over from the window.
void SetFormFont(QWidget* window);
