#include "platform/qt/GuardedApplication.h"
#include "platform/core/RuntimeError.h"
#include "support/MsgBoxRecorder.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {
// A window whose handling of one kind of event fails, as a faulty handler would.
class FailingWindow : public QWidget {
  public:
    std::function<void()> fail;
    int handled = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QWidget::event(event);
        ++handled;
        fail();
        return true;
    }
};
} // namespace

TEST(GuardedApplication, AnErrorEscapingAHandlerIsShownWithItsNumberAndTheProgramGoesOn) {
    ASSERT_NE(dynamic_cast<GuardedApplication*>(QCoreApplication::instance()), nullptr);
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] { throw std::out_of_range("vector::at"); }, "9, Subscript out of range"},
        {[] { RaiseError(err::FileNotFound); }, "53, File not found"},
        {[] { throw std::bad_alloc(); }, "7, Out of memory"}};
    for (const auto& [fail, shown] : cases) {
        MsgBoxRecorder boxes;
        FailingWindow window;
        window.fail = fail;
        QEvent sent(QEvent::User);
        EXPECT_FALSE(QCoreApplication::sendEvent(&window, &sent));
        // Posted events run from the event loop: the one after the failing one still runs.
        QCoreApplication::postEvent(&window, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&window, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&window, QEvent::User);
        EXPECT_EQ(window.handled, 3) << shown;
        EXPECT_EQ(boxes.Texts(), std::vector(3, "Error encountered!\r\nErr# " + shown));
    }
}
