#include "forms/MultiLineBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
// Puts the clipboard back to empty, whatever a case left on it.
struct ClipboardCleared {
    ClipboardCleared() { QGuiApplication::clipboard()->clear(); }
    ~ClipboardCleared() { QGuiApplication::clipboard()->clear(); }
};
} // namespace

// Ctrl+V in a box takes text only: an empty clipboard or one holding other data inserts
// nothing (and must not bring the program down), while text is inserted within the limit.
TEST(MultiLineBox, PastingTakesTextOnlyAndNothingFromAnEmptyClipboard) {
    struct Case {
        const char* what;
        std::function<void(QClipboard&)> fill;
        std::string expected;
    };
    const Case cases[] = {
        {"nothing copied yet", [](QClipboard&) {}, "one\r\ntwo"},
        // What a desktop's clipboard offers when nothing has been copied in the session.
        {"data of no format", [](QClipboard& clipboard) { clipboard.setMimeData(new QMimeData); },
         "one\r\ntwo"},
        {"data without text",
         [](QClipboard& clipboard) {
             auto* data = new QMimeData;
             data->setData("application/octet-stream", QByteArray("\x01\x02", 2));
             clipboard.setMimeData(data);
         },
         "one\r\ntwo"},
        {"an image",
         [](QClipboard& clipboard) {
             QImage image(2, 2, QImage::Format_RGB32);
             image.fill(Qt::red);
             clipboard.setImage(image);
         },
         "one\r\ntwo"},
        {"text", [](QClipboard& clipboard) { clipboard.setText("x\ny"); }, "one\r\ntwox\r\ny"},
        {"text beyond the limit", [](QClipboard& clipboard) { clipboard.setText("abcdef"); },
         "one\r\ntwo"},
    };
    for (const Case& c : cases) {
        ClipboardCleared cleared;
        c.fill(*QGuiApplication::clipboard());
        MultiLineBox box(13, nullptr);
        box.SetModelText("one\r\ntwo");
        box.setFocus();
        box.moveCursor(QTextCursor::End);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.ModelText(), c.expected) << c.what;
    }
}
