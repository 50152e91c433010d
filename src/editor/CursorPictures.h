#pragma once

#include <QCursor>
#include <QImage>

// A mouse cursor made from one of the cursor pictures: its white is transparent. An empty
// picture gives the arrow.
QCursor CursorFromPicture(const QImage& picture);
