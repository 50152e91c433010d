#include "platform/qt/PictureBox.h"

#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QScopedValueRollback>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    // The surface paints every pixel, so Qt need not clear behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.SetChangedHandler([this] {
        if (!drawingForPaint_) update();
    });
}

void PictureBox::ResizePixels(int width, int height) {
    surface_.Resize(width, height);
    setFixedSize(width, height);
}

void PictureBox::paintEvent(QPaintEvent*) {
    {
        // Put back also when the drawing fails, or the box would never repaint again.
        const QScopedValueRollback drawing(drawingForPaint_, true);
        DrawBeforePaint();
    }
    QPainter painter(this);
    // Only the part the surface does not cover (while a resize is pending) needs the back colour.
    if (surface_.Width() < width() || surface_.Height() < height())
        painter.fillRect(rect(), QColor::fromRgb(surface_.BackColour()));
    painter.drawImage(0, 0, surface_.Image());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    // A layout may size the box; the surface follows so that drawing covers what is shown.
    surface_.Resize(event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

void SetLabelsTextColour(QWidget& window, QRgb colour) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
        label->setPalette(palette);
    }
}
