#include "editor/RecordList.h"

#include <QMouseEvent>

RecordList::RecordList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Entries are moved by the window's own drop rule, never by the list's drag and drop.
    setDragEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void RecordList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (mouseDown) mouseDown(event->button());
}

void RecordList::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    if (mouseMove) mouseMove(event->buttons());
}

void RecordList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (mouseUp) mouseUp(event->button());
}

void RecordList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && doubleClick) doubleClick();
}
