#pragma once

#include <QListWidget>
#include <functional>

class PressWatch;

// The main window's record list: a list box that reports the author's mouse actions after it
// has moved its own selection, so that the window sees the entry under the pointer. The second
// click of a double click is reported as the double click only; a double click whose first
// press was not the list's is a press like any other.
class RecordList : public QListWidget {
  public:
    explicit RecordList(QWidget* parent);

    std::function<void(Qt::MouseButton)> mouseDown;
    std::function<void(Qt::MouseButtons)> mouseMove;
    std::function<void(Qt::MouseButton)> mouseUp;
    std::function<void()> doubleClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // From the second press of a double click to its release. That press is reported as the
    // double click alone, and the moves and the release that follow it as nothing: the last
    // drop's entries are kept after it, and a release reported would make that drop again.
    bool secondClick_ = false;
    PressWatch* presses_ = nullptr;
};
