#include "forms/FormControls.h"

#include "forms/HandlerGuard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

namespace {
const char* const kLostFocusProperty = "varnoLostFocusHandler";

class LostFocusFilter : public QObject {
  public:
    LostFocusFilter(QLineEdit* box, std::function<void()> handler)
        : QObject(box), handler_(std::move(handler)) {}

    void Run() { handler_(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            // The focus has already moved on when the box is told.
            const QWidget* next = QApplication::focusWidget();
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next &&
                next->window() == static_cast<QWidget*>(watched)->window())
                RunGuarded(handler_);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> handler_;
};

class ClickFocusFilter : public QObject {
  public:
    explicit ClickFocusFilter(QAbstractButton* button) : QObject(button), button_(button) {
        connect(button, &QAbstractButton::clicked, this, [this] {
            if (std::exchange(byMouse_, false)) button_->setFocus(Qt::MouseFocusReason);
        });
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Seen before the button handles the release that completes its click.
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* release = static_cast<QMouseEvent*>(event);
            byMouse_ = button_->isDown() && release->button() == Qt::LeftButton &&
                       button_->rect().contains(release->position().toPoint());
            // A release that completes no click must not leave the mark for a later click by
            // Enter or Space; a click it completes has taken it by then.
            if (byMouse_) QTimer::singleShot(0, this, [this] { byMouse_ = false; });
        }
        return false;
    }

  private:
    QAbstractButton* button_;
    bool byMouse_ = false;
};
} // namespace

void OnLostFocus(QLineEdit* box, std::function<void()> handler) {
    auto* filter = new LostFocusFilter(box, std::move(handler));
    box->installEventFilter(filter);
    box->setProperty(kLostFocusProperty, QVariant::fromValue(static_cast<QObject*>(filter)));
}

void CommitFocusedBox(QWidget* window) {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!box || box->window() != window) return;
    auto* filter = qobject_cast<QObject*>(box->property(kLostFocusProperty).value<QObject*>());
    if (auto* lostFocus = dynamic_cast<LostFocusFilter*>(filter)) lostFocus->Run();
}

void TakeFocusOnClick(QAbstractButton* button) {
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(new ClickFocusFilter(button));
}
