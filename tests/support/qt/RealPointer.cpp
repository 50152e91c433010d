#include "support/qt/RealPointer.h"

#include <QGuiApplication>
#include <QTest>
#include <chrono>
#include <string>

// After Qt: Xlib defines names that Qt's headers use.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {
void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

::Display* Open() {
    if (QGuiApplication::platformName() != "xcb") return nullptr;
    ::Display* display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return display;
}
} // namespace

struct RealPointer::Connection {
    ::Display* display = Open();
    ~Connection() {
        if (display) XCloseDisplay(display);
    }
    void Key(KeySym symbol, bool down) const {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), down, CurrentTime);
        XFlush(display);
    }
    void Button(bool down) const {
        XTestFakeButtonEvent(display, 1, down, CurrentTime);
        XFlush(display);
    }
};

bool RealPointer::Available() {
    return Connection().display != nullptr;
}

RealPointer::RealPointer() : connection_(std::make_unique<Connection>()) {}

RealPointer::~RealPointer() = default;

RealPointer& RealPointer::MoveTo(QPoint screen, int pauseMs) {
    steps_.push_back([this, screen, pauseMs] {
        XTestFakeMotionEvent(connection_->display, -1, screen.x(), screen.y(), CurrentTime);
        XFlush(connection_->display);
        Pause(pauseMs);
    });
    return *this;
}

RealPointer& RealPointer::Press(int pauseMs) {
    steps_.push_back([this, pauseMs] {
        connection_->Button(true);
        Pause(pauseMs);
    });
    return *this;
}

RealPointer& RealPointer::Release(int pauseMs) {
    steps_.push_back([this, pauseMs] {
        connection_->Button(false);
        Pause(pauseMs);
    });
    return *this;
}

RealPointer& RealPointer::Click(QPoint screen, int pauseMs) {
    return MoveTo(screen).Press().Release(pauseMs);
}

RealPointer& RealPointer::HoldControl(bool held, int pauseMs) {
    steps_.push_back([this, held, pauseMs] {
        connection_->Key(XK_Control_L, held);
        Pause(pauseMs);
    });
    return *this;
}

RealPointer& RealPointer::Type(const char* letters, int pauseMs) {
    steps_.push_back([this, text = std::string(letters), pauseMs] {
        for (const char letter : text) {
            const KeySym symbol = XStringToKeysym(std::string(1, letter).c_str());
            connection_->Key(symbol, true);
            connection_->Key(symbol, false);
            Pause(pauseMs);
        }
    });
    return *this;
}

RealPointer& RealPointer::Wait(int ms) {
    steps_.push_back([ms] { Pause(ms); });
    return *this;
}

bool RealPointer::Run(int timeoutMs) {
    std::atomic<bool> done = false, seen = false;
    std::thread driver([this, &done, &seen] {
        for (const auto& step : steps_)
            step();
        done = true;
        // A drag that the steps left running holds the test's thread in its own event loop,
        // where the test would wait for ever: Esc ends any drag, so that the test fails on
        // what it finds rather than hangs.
        for (int tries = 0; !seen && tries < 20; ++tries) {
            for (int waited = 0; !seen && waited < 500; waited += 20)
                Pause(20);
            if (seen) break;
            connection_->Key(XK_Escape, true);
            connection_->Key(XK_Escape, false);
        }
    });
    const bool ended = QTest::qWaitFor([&done] { return done.load(); }, timeoutMs);
    seen = true;
    driver.join();
    steps_.clear();
    return ended;
}
