#pragma once

#include <QPoint>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// The real pointer and keyboard of the X display the tests run on, moved through the XTest
// extension on a connection of its own. Qt's synthesized test events go straight to a widget;
// these go through the X server, so a drag runs its real protocol, and the program sees them
// as an author's. Steps run in turn on a thread of their own, while the test's thread goes on
// handling the program's events: a drag's own event loop holds that thread until the release.
class RealPointer {
  public:
    // Whether the tests run on an X display that has the XTest extension.
    static bool Available();

    RealPointer();
    ~RealPointer();
    RealPointer(const RealPointer&) = delete;
    RealPointer& operator=(const RealPointer&) = delete;

    // Steps to take in turn; each waits `pauseMs` after it, so that the program sees them
    // one at a time. Points are on the screen.
    RealPointer& MoveTo(QPoint screen, int pauseMs = 40);
    RealPointer& Press(int pauseMs = 40);
    RealPointer& Release(int pauseMs = 40);
    RealPointer& Click(QPoint screen, int pauseMs = 40);
    RealPointer& HoldControl(bool held, int pauseMs = 40);
    // Printable ASCII, capitals typed with Shift.
    RealPointer& Type(const char* letters, int pauseMs = 40);
    RealPointer& Escape(int pauseMs = 40);
    RealPointer& Wait(int ms);

    // Takes the steps given so far, handling the program's events meanwhile; false when they
    // did not end within the time.
    bool Run(int timeoutMs = 15000);

  private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
    std::vector<std::function<void()>> steps_;
};
