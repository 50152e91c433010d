#include "editor/RecordList.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <utility>

// Qt pairs two presses into a double click by their times and places alone, across widgets and
// windows: the press before a double click in the list may have been on a menu or beside the
// list. This watches every press of the program to tell whether the list had the one before, and
// the pointer between presses: Qt pairs no press with one that the pointer has since left by
// more than the double-click distance, even if it came back.
class PressWatch : public QObject {
  public:
    explicit PressWatch(RecordList& list) : QObject(&list), list_(list) {
        qApp->installEventFilter(this);
    }
    ~PressWatch() override { qApp->removeEventFilter(this); }

    // Whether the press before the one being delivered was the list's.
    bool PreviousWasTheLists() const { return previousInList_; }
    // Whether, between the press before this one and this one, the pointer went farther than the
    // double-click distance from the earlier press. A press the program sent itself, which no
    // window had from the window system, has no pointer path to judge by.
    bool WanderedBefore(const QMouseEvent& press) const {
        return lastPress_ && lastPress_->wanderedBefore && lastPress_->time == press.timestamp() &&
               lastPress_->onScreen == press.globalPosition();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Qt pairs presses by the window system's pointer as it reaches the windows: widgets get
        // copies of it, and Qt makes up moves of its own when the pointer enters a widget. The
        // list, asked at its widget's press, finds the window's press already recorded.
        if (watched->isWindowType() && event->spontaneous()) {
            if (event->type() == QEvent::MouseMove) {
                Moved(static_cast<const QMouseEvent*>(event)->globalPosition());
            } else if (event->type() == QEvent::MouseButtonPress) {
                const auto* press = static_cast<const QMouseEvent*>(event);
                lastPress_ = WindowPress{press->timestamp(), press->globalPosition(),
                                         std::exchange(wandered_, false)};
            }
        }
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
    struct WindowPress {
        quint64 time;
        QPointF onScreen;
        bool wanderedBefore;
    };
    void Moved(QPointF onScreen) {
        if (!lastPress_) return;
        const QPointF away = onScreen - lastPress_->onScreen;
        const int distance = QGuiApplication::styleHints()->mouseDoubleClickDistance();
        wandered_ |= qAbs(away.x()) > distance || qAbs(away.y()) > distance;
    }

    RecordList& list_;
    bool previousInList_ = false;
    bool lastInList_ = false;
    std::optional<WindowPress> lastPress_;
    // The pointer has been farther than the double-click distance from the last press since it.
    bool wandered_ = false;
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
// either axis than the double-click distance, with no press elsewhere between and the pointer
// never farther than that distance from the first press in between.
bool RecordList::PairsWithOpener(const QMouseEvent& press) const {
    if (!opener_ || !presses_->PreviousWasTheLists() || press.button() != opener_->button ||
        presses_->WanderedBefore(press))
        return false;
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPointF moved = press.globalPosition() - opener_->onScreen;
    return press.timestamp() - opener_->time < quint64(hints->mouseDoubleClickInterval()) &&
           qAbs(moved.x()) <= hints->mouseDoubleClickDistance() &&
           qAbs(moved.y()) <= hints->mouseDoubleClickDistance();
}
