#include "platform/qt/WindowPlace.h"

#include <QWidget>

namespace {
// No window manager draws decorations this thick on any side.
constexpr int kThickestDecoration = 100;

bool Plausible(int margin) {
    return margin >= 0 && margin <= kThickestDecoration;
}
} // namespace

QMargins PlausibleFrameMargins(const QRect& frame, const QRect& client) {
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    if (Plausible(margins.left()) && Plausible(margins.top()) && Plausible(margins.right()) &&
        Plausible(margins.bottom()))
        return margins;
    return {};
}

QMargins KnownFrameMargins(const QWidget& window) {
    return PlausibleFrameMargins(window.frameGeometry(), window.geometry());
}

QRect KnownFrameGeometry(const QWidget& window) {
    return window.geometry().marginsAdded(KnownFrameMargins(window));
}

void PlaceCentredOver(QWidget& window, const QWidget& over) {
    const QRect under = over.geometry();
    const QSize size = window.size();
    const QPoint topLeft(under.left() + (under.width() - size.width()) / 2,
                         under.top() + (under.height() - size.height()) / 2);
    // Placing it does not fix its size: its layout still sizes it at its next opening.
    const bool sized = window.testAttribute(Qt::WA_Resized);
    // The geometry is the client area; a move would place the frame, by the reported
    // decorations.
    window.setGeometry(QRect(topLeft, size));
    window.setAttribute(Qt::WA_Resized, sized);
}
