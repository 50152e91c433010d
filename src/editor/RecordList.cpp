#include "editor/RecordList.h"

#include <QMouseEvent>

RecordList::RecordList(QWidget* parent) : QListWidget(parent) {
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
    // Qt's own handling takes a second press on another entry, or on a list refilled since the
    // first, for a fresh press and reports it as one: that would start a new gesture and let a
    // double click whose first press moved open its editor. The entry is selected as a click
    // would select it, through the list's own press handling alone.
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(),
                      event->modifiers(), event->pointingDevice());
    QListWidget::mousePressEvent(&press);
    secondClick_ = true;
    if (event->button() == Qt::LeftButton && doubleClick) doubleClick();
}
