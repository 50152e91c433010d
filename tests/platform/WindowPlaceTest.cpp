#include "platform/qt/WindowPlace.h"

#include <QMargins>
#include <QRect>
#include <gtest/gtest.h>
#include <tuple>

// A frame read while the window manager is still decorating a window must not move the windows
// placed by it: only a frame that can be true counts.
TEST(WindowPlace, OnlyAPlausibleFrameGivesDecorations) {
    const QRect client(293, 293, 693, 455);
    const std::tuple<const char*, QRect, QMargins> cases[] = {
        {"title bar and thin borders", {292, 273, 695, 476}, {1, 20, 1, 1}},
        {"the frame still one pixel wide", {292, 273, 1, 1}, {}},
        {"the whole screen read as the frame", {0, 0, 1280, 1024}, {}},
        {"a frame inside the client area", {300, 300, 600, 400}, {}},
    };
    for (const auto& [what, frame, margins] : cases)
        EXPECT_EQ(PlausibleFrameMargins(frame, client), margins) << what;
}
