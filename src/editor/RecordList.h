#pragma once

#include <QListWidget>
#include <functional>
#include <optional>

class PressWatch;

// The main window's record list: a list box that reports the author's mouse actions after it
// has moved its own selection, so that the window sees the entry under the pointer. The second
// click of a double click is reported as the double click only; a double click whose first
// press was not the list's is a press like any other, and the list pairs the press after it
// with it as Qt would have.
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
    struct Press {
        quint64 time;
        QPointF onScreen;
        Qt::MouseButton button;
    };
    void FirstPress(QMouseEvent& press);
    void SecondPress(QMouseEvent& press);
    bool PairsWithOpener(const QMouseEvent& press) const;

    // The list's last press, while a press after it may make it a double click.
    std::optional<Press> opener_;
    // Qt paired the opener with an earlier press and pairs nothing with it any more: the list
    // pairs the next press with it itself.
    bool pairsItself_ = false;
    // From the second press of a double click to its release. That press is reported as the
    // double click alone, and the moves and the release that follow it as nothing: the last
    // drop's entries are kept after it, and a release reported would make that drop again.
    bool secondClick_ = false;
    PressWatch* presses_ = nullptr;
};
