#include "editor/CursorPictures.h"

#include <QBitmap>
#include <QPixmap>

QCursor CursorFromPicture(const QImage& picture) {
    if (picture.isNull()) return QCursor(Qt::ArrowCursor);
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(
        QBitmap::fromImage(picture.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
    return QCursor(pixmap, 0, 0);
}
