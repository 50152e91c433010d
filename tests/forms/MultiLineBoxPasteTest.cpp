#include "forms/MultiLineBox.h"
#include "support/DialogDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
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
// nothing (and must not bring the program down), while text is inserted, cut to the limit.
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
         "one\r\ntwoabcde"},
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
namespace {
// A window with one multi-line box held to thirty bytes of the model, as the author meets it in
// a dialog.
class MultiLineBoxLimitTest : public ::testing::Test {
  public:
    MultiLineBoxLimitTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box = new MultiLineBox(30, &window));
        ShowActive(window);
        box->setFocus();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(box, Qt::Key(key), modifiers);
    }
    // Selects `count` characters from `from`, or puts the cursor at the end for a negative one.
    void Select(int from, int count) {
        Key(from < 0 ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < from + count; ++i)
            Key(Qt::Key_Right, i < from ? Qt::NoModifier : Qt::ShiftModifier);
    }

    ClipboardCleared cleared;
    QWidget window;
    MultiLineBox* box = nullptr;
};

std::string Of(int count, char c) {
    return std::string(static_cast<std::size_t>(count), c);
}
} // namespace

// What the author pastes, then types, is cut to what fits, counting a line break as the two
// bytes the model holds; into a stored text at or over the limit it inserts nothing, though a
// selection it replaced goes.
TEST_F(MultiLineBoxLimitTest, TypingAndPastingAreCutToWhatFitsWithLineBreaksCountingTwo) {
    struct Case {
        const char* what;
        std::string stored;
        int from, selected; // the cursor at the end for a negative start
        QString pasted, typed;
        std::string held;
    };
    const std::string lines = "ab\r\ncd\r\nef\r\n";
    const Case cases[] = {
        {"typed over a selection of a long text", Of(40, 'w'), 0, 5, "", "abcde", Of(35, 'w')},
        {"pasted over a selection of a long text", Of(40, 'w'), 0, 5, "abcde", "", Of(35, 'w')},
        {"typed over a line and its break, the rest at the limit by its breaks",
         lines + Of(22, 'w'), 0, 3, "", "xy", "cd\r\nef\r\n" + Of(22, 'w')},
        {"pasted into the middle, cut where it is put", Of(26, 'w'), 1, 0, "abcdef", "z",
         "wabcd" + Of(25, 'w')},
        {"pasted lines, a break counting two", Of(25, 'w'), -1, 0, "ab\ncdef", "",
         Of(25, 'w') + "ab\r\nc"},
        {"pasted lines, a break that only half fits", Of(27, 'w'), -1, 0, "ab\ncd", "",
         Of(27, 'w') + "ab"},
        {"Enter with one byte left", Of(29, 'w'), -1, 0, "", "\rxy", Of(29, 'w') + "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box->SetModelText(c.stored);
        Select(c.from, c.selected);
        if (!c.pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(c.pasted);
            Key(Qt::Key_V, Qt::ControlModifier);
        }
        QTest::keyClicks(box, c.typed);
        EXPECT_EQ(box->ModelText(), c.held);
    }
}

// Undo steps back through what the author did, to the stored text however long it is, and an
// edit held to the limit takes no undo step away nor adds one that changes nothing.
TEST_F(MultiLineBoxLimitTest, UndoStepsBackThroughWhatTheAuthorDid) {
    box->SetModelText(Of(40, 'w'));
    Select(-1, 0);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Left);
    Key(Qt::Key_Backspace);
    for (int shown : {38, 39}) {
        QTest::keyClicks(box, "qq");
        EXPECT_EQ(box->ModelText(), Of(shown, 'w'));
        Key(Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(box->ModelText(), Of(40, 'w'));

    box->SetModelText(Of(28, 'a'));
    Select(0, 0);
    QTest::keyClicks(box, "bcd");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->ModelText(), Of(28, 'a'));
    QTest::keySequence(box, QKeySequence::Redo);
    EXPECT_EQ(box->ModelText(), "bc" + Of(28, 'a'));
}

// Text dragged to another place in the box moves there whole, also in a stored text over the
// limit: nothing new comes in. The platform runs the drag while the mouse moves and is released.
TEST_F(MultiLineBoxLimitTest, TextDraggedWithinTheBoxMovesWholeOverTheLimitToo) {
    if (QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "this platform drags nothing; run it under a display server";
    window.resize(400, 200);
    QWidget* area = box->viewport();
    const auto at = [this](int position) {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(position);
        return box->cursorRect(cursor).center();
    };
    for (const int length : {20, 40}) {
        SCOPED_TRACE(length);
        box->SetModelText("abcdefghij" + Of(length, 'w'));
        Select(0, 5);
        const QPoint from = at(2), to = at(20);
        // The drag runs its own event loop from the first move on.
        QTimer::singleShot(50, area, [area, to] {
            QTest::mouseMove(area, to);
            QTimer::singleShot(50, area,
                               [area, to] { QTest::mouseRelease(area, Qt::LeftButton, {}, to); });
        });
        QTest::mousePress(area, Qt::LeftButton, {}, from);
        QTest::mouseMove(area, from + QPoint(QApplication::startDragDistance() + 10, 0));
        QTest::mouseMove(area, to);
        EXPECT_EQ(box->ModelText(), "fghij" + Of(10, 'w') + "abcde" + Of(length - 10, 'w'));
    }
}

// A stored text comes back byte for byte from a box the author leaves alone, and a typed edit
// changes only what was typed: no non-breaking space turns into a blank, no lone CR or LF into
// CR LF.
TEST(MultiLineBox, GivesBackAStoredTextAsItWasAndKeepsWhatAnEditDidNotTouch) {
    struct Case {
        std::string stored;
        const char* typed;
        std::string expected;
    };
    const Case cases[] = {
        {"a\xA0"
         "b",
         "", "a\xA0"
             "b"},
        {"one\ntwo", "", "one\ntwo"},
        {"one\rtwo", "", "one\rtwo"},
        {"one\r\ntwo", "", "one\r\ntwo"},
        {"a\xA0"
         "b\r\nc",
         "d", "a\xA0"
              "b\r\ncd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        MultiLineBox box(255, nullptr);
        box.SetModelText(c.stored);
        box.setFocus();
        box.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box, c.typed);
        EXPECT_EQ(box.ModelText(), c.expected);
    }
}
