#include "platform/qt/GuardedApplication.h"
#include "platform/core/RuntimeError.h"
#include "support/MsgBoxRecorder.h"

#include <QEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {
// A window whose handling of one kind of event fails, as a faulty handler would.
class FailingWindow : public QWidget {
  public:
    static constexpr QEvent::Type kFailing = QEvent::User;
    std::function<void()> fail;
    int handled = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() != kFailing) return QWidget::event(event);
        ++handled;
        fail();
        return true;
    }
};
} // namespace

TEST(GuardedApplication, AnErrorEscapingAHandlerIsShownWithItsNumberAndTheProgramGoesOn) {
    ASSERT_NE(dynamic_cast<GuardedApplication*>(QCoreApplication::instance()), nullptr);
    struct Case {
        std::function<void()> fail;
        const char* shown;
    };
    const Case cases[] = {
        {[] { throw std::out_of_range("vector::at"); },
         "Error encountered!\r\nErr# 9, Subscript out of range"},
        {[] { RaiseError(err::FileNotFound); }, "Error encountered!\r\nErr# 53, File not found"},
        {[] { throw std::bad_alloc(); }, "Error encountered!\r\nErr# 7, Out of memory"},
    };
    for (const Case& c : cases) {
        MsgBoxRecorder boxes;
        FailingWindow window;
        window.fail = c.fail;
        QEvent sent(FailingWindow::kFailing);
        EXPECT_FALSE(QCoreApplication::sendEvent(&window, &sent));
        // Posted events run from the event loop: the one after the failing one still runs.
        QCoreApplication::postEvent(&window, new QEvent(FailingWindow::kFailing));
        QCoreApplication::postEvent(&window, new QEvent(FailingWindow::kFailing));
        QCoreApplication::sendPostedEvents(&window, FailingWindow::kFailing);
        EXPECT_EQ(window.handled, 3) << c.shown;
        ASSERT_EQ(boxes.Calls().size(), 3u) << c.shown;
        for (const MsgBoxCall& call : boxes.Calls()) {
            EXPECT_EQ(call.text, c.shown);
            EXPECT_EQ(call.title, "Error");
        }
    }
}
