#include "forms/CharacterAt.h"
#include "forms/MultiLineBox.h"
#include "forms/TypingLimit.h"
#include "support/DialogDriver.h"
#include "support/qt/RealPointer.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
// The dialogue editor's boxes as the author meets them: a line box held to 20 characters, and
// two multi-line boxes held to 255, the text dragged from the lower one.
class TextDragOnTheDisplayTest : public ::testing::Test {
  public:
    TextDragOnTheDisplayTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->setSpacing(20);
        layout->addWidget(line = new QLineEdit(&window));
        layout->addWidget(target = new MultiLineBox(255, &window));
        layout->addWidget(source = new MultiLineBox(255, &window));
        LimitTyping(line, 20);
        window.resize(420, 360);
    }

    // Where a click or a drop lands after a box's text, on the screen.
    QPoint AfterTheText(QWidget* box) const {
        if (box == line) return line->mapToGlobal(QPoint(line->width() - 5, line->height() / 2));
        const QWidget* shown = static_cast<MultiLineBox*>(box)->viewport();
        return shown->mapToGlobal(QPoint(shown->width() - 8, shown->height() - 8));
    }
    std::string Text(QWidget* box) const {
        return box == line ? line->text().toStdString()
                           : static_cast<MultiLineBox*>(box)->ModelText();
    }
    void Set(QWidget* box, const std::string& text) {
        box == line ? line->setText(QString::fromStdString(text))
                    : static_cast<MultiLineBox*>(box)->SetModelText(text);
    }

    // A point on the screen at the character at `position` of the box, moved by `by`.
    static QPoint OnScreen(MultiLineBox* box, int position, QPoint by = {}) {
        return box->viewport()->mapToGlobal(CharacterAt(box, position) + by);
    }
    static void Select(MultiLineBox* box, int from, int to) {
        box->setFocus();
        QTextCursor selection = box->textCursor();
        selection.setPosition(from);
        selection.setPosition(to, QTextCursor::KeepAnchor);
        box->setTextCursor(selection);
    }
    // Presses at `pressed`, with Ctrl held for a copy, makes the first move to `first` and goes
    // on to `to` in `steps`, pressing Esc there when asked, and lets go.
    static void Drag(RealPointer& pointer, QPoint pressed, QPoint first, QPoint to, bool copy,
                     int steps = 3, bool escape = false) {
        pointer.MoveTo(pressed);
        if (copy) pointer.HoldControl(true);
        pointer.Press().MoveTo(first);
        for (int step = 1; step <= steps; ++step)
            pointer.MoveTo(first + (to - first) * step / steps);
        if (escape) pointer.Escape();
        pointer.Release();
        if (copy) pointer.HoldControl(false);
    }
    // The screen's row just above the box's text area.
    static int Above(MultiLineBox* box) { return box->viewport()->mapToGlobal(QPoint()).y() - 12; }

    QWidget window;
    QLineEdit* line = nullptr;
    MultiLineBox* target = nullptr;
    MultiLineBox* source = nullptr;
};
} // namespace

// The author drags the start of one box's text off its top edge at once, so that the box's
// auto-scroll starts, and drops it on another box: cut to what fits there, copied with Ctrl
// held, or moved whole. Once the button is up the gesture is over: the author's next click and
// typing reach the box they were meant for, and no text moves again. (The window system's
// drag protocol runs only with the real pointer.)
TEST_F(TextDragOnTheDisplayTest, AfterADropTheNextClickAndTypingReachTheBoxAndNothingMovesAgain) {
    if (!RealPointer::Available())
        GTEST_SKIP() << "needs an X display with the XTest extension, as ./test.sh starts";
    const std::string dragged = "abcdefghijklmnopqrst", text = dragged + std::string(80, 'J');
    struct Case {
        const char* what;
        QWidget* to;
        std::string before;
        bool copy;
        std::string after, sourceAfter;
    };
    const Case cases[] = {
        {"cut by a multi-line box", target, std::string(250, 'w'), false,
         std::string(250, 'w') + "abcde", text},
        {"cut by a line box", line, std::string(18, 'x'), false, std::string(18, 'x') + "ab", text},
        {"moved whole onto a line box", line, "", false, dragged, std::string(80, 'J')},
        {"copied with Ctrl held", target, "", true, dragged, text},
        {"moved whole", target, "", false, dragged, std::string(80, 'J')},
    };
    ShowActive(window);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Set(c.to, c.before);
        Set(source, text);
        Select(source, 0, static_cast<int>(dragged.size()));
        const QPoint pressed = OnScreen(source, 2);
        // The first move past the drag distance already lies above the box.
        RealPointer pointer;
        Drag(pointer, pressed, QPoint(pressed.x(), Above(source)), AfterTheText(c.to), c.copy, 4);
        // Longer than the box's auto-scroll takes to come round.
        pointer.Wait(400);
        ASSERT_TRUE(pointer.Run());
        EXPECT_EQ(Text(c.to), c.after);
        EXPECT_EQ(Text(source), c.sourceAfter);

        pointer.Click(AfterTheText(source), 150).Type("rrr").Wait(200);
        ASSERT_TRUE(pointer.Run());
        EXPECT_EQ(Text(source), c.sourceAfter + "rrr");
        EXPECT_EQ(Text(c.to), c.after);
    }
}

// The author drags part of a line to its end within the same box, moved or copied with Ctrl,
// with the first move inside the box or off its top edge and back, and types at once without a
// click: the key lands right after the dropped text, where the drop left the caret.
TEST_F(TextDragOnTheDisplayTest, AfterADragWithinABoxTheNextKeyLandsAfterTheDroppedText) {
    if (!RealPointer::Available())
        GTEST_SKIP() << "needs an X display with the XTest extension, as ./test.sh starts";
    const std::string text = "abcdefghij klmnopqrst uvwxyz";
    const int end = static_cast<int>(text.size());
    struct Case {
        const char* what;
        bool copy, offTheEdge;
        std::string after;
    };
    const Case cases[] = {
        {"moved", false, false, "defghij klmnopqrst uvwxyzabcZ"},
        {"moved, off the edge and back", false, true, "defghij klmnopqrst uvwxyzabcZ"},
        {"copied", true, false, "abcdefghij klmnopqrst uvwxyzabcZ"},
        {"copied, off the edge and back", true, true, "abcdefghij klmnopqrst uvwxyzabcZ"},
    };
    ShowActive(window);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        source->SetModelText(text);
        Select(source, 0, 3);
        const QPoint pressed = OnScreen(source, 1);
        const QPoint first =
            c.offTheEdge ? QPoint(pressed.x(), Above(source)) : pressed + QPoint(16, 0);
        const QPoint dropped = OnScreen(source, end, QPoint(6, 0));
        RealPointer pointer;
        Drag(pointer, pressed, first, dropped, c.copy);
        pointer.Wait(300).Type("Z").Wait(150);
        ASSERT_TRUE(pointer.Run());
        EXPECT_EQ(source->ModelText(), c.after);
        EXPECT_EQ(target->ModelText(), "");
    }
}

// The end of a drag leaves the rest of the author's gestures alone. A drag cancelled with Esc,
// or dropped where no box takes it, moves nothing, and the author's next click and keys reach
// the box.
TEST_F(TextDragOnTheDisplayTest, ACancelledDragOrADropOnNoBoxMovesNothingAndTheNextKeysArrive) {
    if (!RealPointer::Available())
        GTEST_SKIP() << "needs an X display with the XTest extension, as ./test.sh starts";
    const std::string text = "abcdefghij klmnopqrst uvwxyz";
    const QPoint between = target->mapToGlobal(QPoint(target->width() / 2, target->height() + 10));
    const QPoint offTheWindow = window.mapToGlobal(QPoint(window.width() + 40, 40));
    struct Case {
        const char* what;
        QPoint to;
        bool escape;
    };
    const Case cases[] = {{"cancelled with Esc", between, true},
                          {"dropped between the boxes", between, false},
                          {"dropped off the window", offTheWindow, false}};
    ShowActive(window);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        source->SetModelText(text);
        target->SetModelText("");
        Select(source, 0, 10);
        const QPoint pressed = OnScreen(source, 2);
        RealPointer pointer;
        Drag(pointer, pressed, QPoint(pressed.x(), Above(source)), c.to, false, 3, c.escape);
        pointer.Wait(400);
        pointer.Click(OnScreen(source, static_cast<int>(text.size()), QPoint(6, 0)), 150)
            .Type("rrR")
            .Wait(200);
        ASSERT_TRUE(pointer.Run());
        EXPECT_EQ(source->ModelText(), text + "rrR");
        EXPECT_EQ(target->ModelText(), "");
        EXPECT_EQ(line->text(), "");
    }
}

// A selection dragged past the box's bottom edge with the button held scrolls the box and
// extends the selection for as long as the button is held, and no longer.
TEST_F(TextDragOnTheDisplayTest, ASelectionHeldPastTheBottomEdgeScrollsUntilTheButtonIsLetGo) {
    if (!RealPointer::Available())
        GTEST_SKIP() << "needs an X display with the XTest extension, as ./test.sh starts";
    std::string lines;
    for (int n = 0; n < 80; ++n)
        lines += "line " + std::to_string(n) + "\r\n";
    source->SetModelText(lines);
    ShowActive(window);
    Select(source, 0, 0);
    const QPoint pressed = OnScreen(source, 1);
    const QPoint below = source->viewport()->mapToGlobal(
        QPoint(pressed.x() - source->viewport()->mapToGlobal(QPoint()).x(),
               source->viewport()->height() + 15));
    // Where the box stands: its scroll and the end of its selection.
    const auto state = [this] {
        return std::pair(source->verticalScrollBar()->value(), source->textCursor().position());
    };
    RealPointer pointer;
    pointer.MoveTo(pressed).Press().MoveTo(pressed + QPoint(0, 8)).MoveTo(below).Wait(500);
    ASSERT_TRUE(pointer.Run());
    const auto held = state();
    pointer.Wait(500);
    ASSERT_TRUE(pointer.Run());
    const auto heldLonger = state();
    EXPECT_GT(held.first, 0);
    EXPECT_GT(heldLonger.first, held.first) << "the box stopped scrolling while held";
    EXPECT_GT(heldLonger.second, held.second) << "the selection stopped growing while held";
    EXPECT_EQ(source->textCursor().anchor(), 1);

    pointer.Release().Wait(150);
    ASSERT_TRUE(pointer.Run());
    const auto letGo = state();
    pointer.Wait(500);
    ASSERT_TRUE(pointer.Run());
    EXPECT_EQ(state(), letGo) << "the box went on scrolling after the button was let go";
    EXPECT_EQ(source->textCursor().anchor(), 1);
    EXPECT_GE(letGo.second, heldLonger.second);
}

// A drag within a scrolled box whose first move leaves its top edge, dropped on a line in view:
// the box stays scrolled as it was, the moved word where it was dropped.
TEST_F(TextDragOnTheDisplayTest, ADragWithinAScrolledBoxLeavesItScrolledAsTheDropLeftIt) {
    if (!RealPointer::Available())
        GTEST_SKIP() << "needs an X display with the XTest extension, as ./test.sh starts";
    std::string lines;
    for (int n = 10; n < 90; ++n)
        lines += "line" + std::to_string(n) + "\r\n";
    source->SetModelText(lines);
    ShowActive(window);
    // The word "line" of "line30" selected, that line first in view; dropped at the end of the
    // line four below.
    const int first = source->document()->findBlockByNumber(20).position();
    const int dropLine = source->document()->findBlockByNumber(24).position() + 6;
    Select(source, first, first + 4);
    source->verticalScrollBar()->setValue(20);
    QApplication::processEvents();
    ASSERT_EQ(source->cursorForPosition(QPoint(2, 2)).block().text(), "line30");
    const QPoint pressed = OnScreen(source, first + 1);
    RealPointer pointer;
    Drag(pointer, pressed, QPoint(pressed.x(), Above(source)),
         OnScreen(source, dropLine, QPoint(6, 0)), false);
    pointer.Wait(300);
    ASSERT_TRUE(pointer.Run());
    EXPECT_EQ(source->verticalScrollBar()->value(), 20);
    EXPECT_NE(source->ModelText().find("30\r\n"), std::string::npos);
    EXPECT_NE(source->ModelText().find("line34line\r\n"), std::string::npos);
}
