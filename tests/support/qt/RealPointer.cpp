#include "support/qt/RealPointer.h"

#include <QGuiApplication>
#include <QTest>
#include <chrono>
#include <string>

// After Qt: Xlib defines names that Qt's headers use.
#include <X11/XKBlib.h>
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
    // Types the symbol, with Shift held where the key gives it only shifted (a capital).
    void Stroke(KeySym symbol) const {
        const KeyCode code = XKeysymToKeycode(display, symbol);
        const bool shifted = XkbKeycodeToKeysym(display, code, 0, 0) != symbol &&
                             XkbKeycodeToKeysym(display, code, 0, 1) == symbol;
        if (shifted) Key(XK_Shift_L, true);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XFlush(display);
        if (shifted) Key(XK_Shift_L, false);
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
        // A printable ASCII character's keysym is its own code.
        for (const char letter : text) {
            connection_->Stroke(static_cast<KeySym>(static_cast<unsigned char>(letter)));
            Pause(pauseMs);
        }
    });
    return *this;
}

RealPointer& RealPointer::Escape(int pauseMs) {
    steps_.push_back([this, pauseMs] {
        connection_->Stroke(XK_Escape);
        Pause(pauseMs);
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
            connection_->Stroke(XK_Escape);
        }
    });
    const bool ended = QTest::qWaitFor([&done] { return done.load(); }, timeoutMs);
    seen = true;
    driver.join();
    steps_.clear();
    return ended;
}
