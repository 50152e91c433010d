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
constexpr int kLimit = 30;

// A window with one multi-line box held to thirty bytes of the model, as the author meets it in
// a dialog.
class MultiLineBoxLimitTest : public ::testing::Test {
  public:
    MultiLineBoxLimitTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box = new MultiLineBox(kLimit, &window));
        ShowActive(window);
        box->setFocus();
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(box, Qt::Key(key), modifiers);
    }
    void SelectFromStart(int count) {
        Key(Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < count; ++i)
            Key(Qt::Key_Right, Qt::ShiftModifier);
    }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Key(Qt::Key_V, Qt::ControlModifier);
    }

    ClipboardCleared cleared;
    QWidget window;
    MultiLineBox* box = nullptr;
};

std::string Of(int count, char c) {
    return std::string(static_cast<std::size_t>(count), c);
}
} // namespace

// What the author types or pastes is cut to what fits, counting a line break as the two bytes
// the model holds; into a stored text at or over the limit it inserts nothing, though a
// selection it replaced goes; deleting always works.
TEST_F(MultiLineBoxLimitTest, TypingAndPastingAreCutToWhatFitsWithLineBreaksCountingTwo) {
    struct Case {
        const char* what;
        std::string stored;
        std::function<void(MultiLineBoxLimitTest&)> edit;
        std::string held;
    };
    const Case cases[] = {
        {"typed over a selection of a long text", Of(40, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.SelectFromStart(5);
             QTest::keyClicks(t.box, "abcde");
         },
         Of(35, 'w')},
        {"pasted over a selection of a long text", Of(40, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.SelectFromStart(5);
             t.Paste("abcde");
         },
         Of(35, 'w')},
        {"typed over a line and its break, the rest at the limit by its breaks",
         "ab\r\ncd\r\nef\r\n" + Of(22, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.SelectFromStart(3);
             QTest::keyClicks(t.box, "xy");
         },
         "cd\r\nef\r\n" + Of(22, 'w')},
        {"typed over a line and its break, two bytes left", "ab\r\ncd\r\nef\r\n" + Of(20, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.SelectFromStart(3);
             QTest::keyClicks(t.box, "xyz");
         },
         "xycd\r\nef\r\n" + Of(20, 'w')},
        {"deleted from a long text, then typed", Of(40, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.Key(Qt::Key_End, Qt::ControlModifier);
             for (int i = 0; i < 12; ++i)
                 t.Key(Qt::Key_Backspace);
             QTest::keyClicks(t.box, "abcdef");
         },
         Of(28, 'w') + "ab"},
        {"pasted into the middle, cut where it is put", Of(26, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.Key(Qt::Key_Home, Qt::ControlModifier);
             t.Key(Qt::Key_Right);
             t.Paste("abcdef");
             QTest::keyClicks(t.box, "z");
         },
         "wabcd" + Of(25, 'w')},
        {"pasted lines, a break counting two", Of(25, 'w'),
         [](MultiLineBoxLimitTest& t) { t.Paste("ab\ncdef"); }, Of(25, 'w') + "ab\r\nc"},
        {"pasted lines, a break that only half fits", Of(27, 'w'),
         [](MultiLineBoxLimitTest& t) { t.Paste("ab\ncd"); }, Of(27, 'w') + "ab"},
        {"Enter with one byte left, then a letter", Of(29, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.Key(Qt::Key_Return);
             QTest::keyClicks(t.box, "xy");
         },
         Of(29, 'w') + "x"},
        {"Enter with two bytes left", Of(28, 'w'),
         [](MultiLineBoxLimitTest& t) {
             t.Key(Qt::Key_Return);
             QTest::keyClicks(t.box, "xy");
         },
         Of(28, 'w') + "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box->SetModelText(c.stored);
        box->moveCursor(QTextCursor::End);
        c.edit(*this);
        EXPECT_EQ(box->ModelText(), c.held);
    }
}

// Undo steps back through what the author did, to the stored text however long it is, and an
// edit held to the limit takes no undo step away nor adds one that changes nothing.
TEST_F(MultiLineBoxLimitTest, UndoStepsBackThroughWhatTheAuthorDid) {
    box->SetModelText(Of(40, 'w'));
    box->moveCursor(QTextCursor::End);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Left);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(box->ModelText(), Of(38, 'w'));
    QTest::keyClicks(box, "qq");
    EXPECT_EQ(box->ModelText(), Of(38, 'w'));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->ModelText(), Of(39, 'w'));
    // The box holds after an undo step, too.
    QTest::keyClicks(box, "qq");
    EXPECT_EQ(box->ModelText(), Of(39, 'w'));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->ModelText(), Of(40, 'w'));

    box->SetModelText(Of(28, 'a'));
    Key(Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(box, "bcd");
    EXPECT_EQ(box->ModelText(), "bc" + Of(28, 'a'));
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
        SelectFromStart(5);
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
