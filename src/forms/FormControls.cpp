#include "forms/FormControls.h"

#include "forms/HandlerGuard.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

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
