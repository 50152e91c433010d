#include "editor/RecordList.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <utility>

// Qt pairs two presses into a double click by their times and places alone, across widgets and
// windows: the press before a double click in the list may have been on a menu or beside the
// list. This watches every press of the program to tell whether the list had the one before.
class PressWatch : public QObject {
  public:
    explicit PressWatch(RecordList& list) : QObject(&list), list_(list) {
        qApp->installEventFilter(this);
    }
    ~PressWatch() override { qApp->removeEventFilter(this); }

    // Whether the press before the one being delivered was the list's.
    bool PreviousWasTheLists() const { return previousInList_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A press reaches the window before its widget; only the widget that takes it counts.
        if ((event->type() == QEvent::MouseButtonPress ||
             event->type() == QEvent::MouseButtonDblClick) &&
            watched->isWidgetType()) {
            previousInList_ = lastInList_;
            lastInList_ = watched == list_.viewport() || watched == &list_;
        }
        return false;
    }

  private:
    RecordList& list_;
    bool previousInList_ = false;
    bool lastInList_ = false;
};

RecordList::RecordList(QWidget* parent) : QListWidget(parent), presses_(new PressWatch(*this)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Entries are moved by the window's own drop rule, never by the list's drag and drop.
    setDragEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void RecordList::mousePressEvent(QMouseEvent* event) {
    const bool pairsItself = std::exchange(pairsItself_, false);
    if (pairsItself && PairsWithOpener(*event))
        SecondPress(*event);
    else
        FirstPress(*event);
}

void RecordList::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    if (mouseMove && !secondClick_) mouseMove(event->buttons());
}

void RecordList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (secondClick_) {
        secondClick_ = false;
        return;
    }
    if (mouseUp) mouseUp(event->button());
}

void RecordList::mouseDoubleClickEvent(QMouseEvent* event) {
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(),
                      event->modifiers(), event->pointingDevice());
    press.setTimestamp(event->timestamp());
    // The list's double click is two presses in the list, the first not already the second of
    // one; after a press elsewhere, or right after a double click the list paired itself, this
    // one starts a gesture of its own.
    pairsItself_ = !presses_->PreviousWasTheLists() || !opener_;
    if (pairsItself_)
        FirstPress(press);
    else
        SecondPress(press);
}

void RecordList::FirstPress(QMouseEvent& press) {
    secondClick_ = false;
    opener_ = Press{press.timestamp(), press.globalPosition(), press.button()};
    QListWidget::mousePressEvent(&press);
    if (mouseDown) mouseDown(press.button());
}

// Qt's own handling takes a second press on another entry, or on a list refilled since the
// first, for a fresh press and reports it as one: that would start a new gesture and let a
// double click whose first press moved open its editor. The entry is selected as a click would
// select it, through the list's own press handling alone.
void RecordList::SecondPress(QMouseEvent& press) {
    opener_.reset();
    QListWidget::mousePressEvent(&press);
    secondClick_ = true;
    if (press.button() == Qt::LeftButton && doubleClick) doubleClick();
}

// Qt's own rule: the same button again, sooner than the double-click time and no farther on
// either axis than the double-click distance, with no press elsewhere between.
bool RecordList::PairsWithOpener(const QMouseEvent& press) const {
    if (!opener_ || !presses_->PreviousWasTheLists() || press.button() != opener_->button)
        return false;
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF moved = press.globalPosition() - opener_->onScreen;
    return press.timestamp() - opener_->time < quint64(hints->mouseDoubleClickInterval()) &&
           qAbs(moved.x()) <= hints->mouseDoubleClickDistance() &&
           qAbs(moved.y()) <= hints->mouseDoubleClickDistance();
}
