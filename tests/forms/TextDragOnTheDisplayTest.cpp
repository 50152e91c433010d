#include "forms/CharacterAt.h"
#include "forms/MultiLineBox.h"
#include "forms/TypingLimit.h"
#include "support/DialogDriver.h"
#include "support/qt/RealPointer.h"

#include <QLineEdit>
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
        source->setFocus();
        QTextCursor selection = source->textCursor();
        selection.setPosition(0);
        selection.setPosition(static_cast<int>(dragged.size()), QTextCursor::KeepAnchor);
        source->setTextCursor(selection);
        const QPoint pressed = source->viewport()->mapToGlobal(CharacterAt(source, 2));
        // The first move past the drag distance already lies above the box.
        const QPoint above(pressed.x(), source->viewport()->mapToGlobal(QPoint()).y() - 12);
        const QPoint dropped = AfterTheText(c.to);
        RealPointer pointer;
        pointer.MoveTo(pressed);
        if (c.copy) pointer.HoldControl(true);
        pointer.Press().MoveTo(above);
        for (int step = 1; step <= 4; ++step)
            pointer.MoveTo(above + (dropped - above) * step / 4);
        pointer.Release();
        if (c.copy) pointer.HoldControl(false);
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
