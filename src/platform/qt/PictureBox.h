#pragma once

#include "platform/qt/Surface.h"

#include <QWidget>

// A picture box: a widget that shows a persistent off-screen surface. Drawing goes to the
// surface and stays there; the widget repaints from it whenever it is shown or changed.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

    // Width and height in pixels; the widget and its surface take the size together.
    void ResizePixels(int width, int height);
    void SetBackColour(QRgb colour) { surface_.SetBackColour(colour); }
    void Clear() { surface_.Clear(); }
    // Shows the surface now rather than at the next pass of window events.
    void Refresh() { repaint(); }

  protected:
    // Draws what the box shows onto its surface just before each paint, for a box that draws
    // its picture afresh whenever it is shown.
    virtual void DrawBeforePaint() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Surface surface_;
    // While the box draws for the paint under way, which shows that drawing already: asking
    // for another paint then would repaint the box without end.
    bool drawingForPaint_ = false;
};

// Gives every label of the window the text colour.
void SetLabelsTextColour(QWidget& window, QRgb colour);
