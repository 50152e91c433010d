#pragma once

#include "platform/core/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// Clicks a button as an author does over a box that shows a message when it is left: should
// the press bring the message up, the mouse is let go while the message shows. A click lost to
// the message leaves the button's handler unrun, or the button drawn pressed.
class ClickThroughMessage {
  public:
    ClickThroughMessage() {
        previous_ = SetMsgBoxHook([this](const MsgBoxCall& call) {
            if (pressed_ && (QApplication::mouseButtons() & Qt::LeftButton))
                QTest::mouseRelease(pressed_, Qt::LeftButton);
            return previous_ ? previous_(call) : MsgBoxResult::Ok;
        });
    }
    ~ClickThroughMessage() { SetMsgBoxHook(std::move(previous_)); }
    ClickThroughMessage(const ClickThroughMessage&) = delete;
    ClickThroughMessage& operator=(const ClickThroughMessage&) = delete;

    void Click(QAbstractButton* button) {
        pressed_ = button;
        QTest::mousePress(button, Qt::LeftButton);
        if (QApplication::mouseButtons() & Qt::LeftButton)
            QTest::mouseRelease(button, Qt::LeftButton);
        pressed_ = nullptr;
        EXPECT_FALSE(button->isDown()) << "the button is left pressed";
    }

  private:
    QAbstractButton* pressed_ = nullptr;
    MsgBoxHook previous_;
};
