#include "editor/RecordList.h"

#include <QApplication>
#include <QMouseEvent>

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
    secondClick_ = false;
    QListWidget::mousePressEvent(event);
    if (mouseDown) mouseDown(event->button());
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
    // The list's double click is two presses in the list; after a press elsewhere, this one
    // starts a gesture of its own.
    if (!presses_->PreviousWasTheLists()) {
        mousePressEvent(&press);
        return;
    }
    // Qt's own handling takes a second press on another entry, or on a list refilled since the
    // first, for a fresh press and reports it as one: that would start a new gesture and let a
    // double click whose first press moved open its editor. The entry is selected as a click
    // would select it, through the list's own press handling alone.
    QListWidget::mousePressEvent(&press);
    secondClick_ = true;
    if (event->button() == Qt::LeftButton && doubleClick) doubleClick();
}
