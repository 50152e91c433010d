#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Where the program's windows open. A window manager reports a window's decorations (title bar
// and borders) late and not always truly: while it is still decorating the window they can read
// as nothing, or as a frame one pixel wide, and the wrong reading may stay for the rest of the
// session. The client area is reported reliably, so windows are placed by their client areas
// and a reported frame is taken only where it is plausible.

// The decorations between a window's reported frame and its client area, or none when that
// report cannot be true.
QMargins PlausibleFrameMargins(const QRect& frame, const QRect& client);

// The decorations around the window's client area as reported, or none when that report cannot
// be true.
QMargins KnownFrameMargins(const QWidget& window);

// The window's outer rectangle by those decorations.
QRect KnownFrameGeometry(const QWidget& window);

// Puts the window's client area centred over the client area of over; both are decorated alike,
// so their frames are centred too. The window keeps its size as its layout sets it.
void PlaceCentredOver(QWidget& window, const QWidget& over);
