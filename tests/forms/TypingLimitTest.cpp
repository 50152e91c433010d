#include "forms/TypingLimit.h"
#include "forms/CharacterAt.h"
#include "forms/MultiLineBox.h"
#include "support/DialogDriver.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace {
std::string Of(int count, char c) {
    return std::string(static_cast<std::size_t>(count), c);
}

// A window with a line box held to thirty characters and a multi-line box held to thirty bytes
// of the model, as the author meets them in a dialog.
class TypingLimitTest : public ::testing::Test {
  public:
    TypingLimitTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(line = new QLineEdit(&window));
        layout->addWidget(lines = new MultiLineBox(30, &window));
        LimitTyping(line, 30);
        QObject::connect(line, &QLineEdit::textChanged, [this](const QString& text) {
            grewPastLimit |= text.size() > 30 && text.size() > last.size();
            last = text;
        });
        ShowActive(window);
        QGuiApplication::clipboard()->clear();
    }
    ~TypingLimitTest() override { QGuiApplication::clipboard()->clear(); }

    // The line box is set with its signals blocked: it must follow such a text too.
    void Set(QWidget* box, const std::string& text) {
        const QSignalBlocker quiet(line);
        box == line ? line->setText(QString::fromStdString(text))
                    : static_cast<MultiLineBox*>(box)->SetModelText(text);
        last = line->text();
        box->setFocus();
    }
    std::string Text(QWidget* box) const {
        return box == line ? line->text().toStdString()
                           : static_cast<MultiLineBox*>(box)->ModelText();
    }
    void Key(QWidget* box, int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(box, Qt::Key(key), modifiers);
    }
    // Selects `count` characters from `from`, or puts the cursor at the end for a negative one.
    void Select(QWidget* box, int from, int count) {
        Key(box, from < 0 ? Qt::Key_End : Qt::Key_Home,
            box == line ? Qt::NoModifier : Qt::ControlModifier);
        for (int i = 0; i < from + count; ++i)
            Key(box, Qt::Key_Right, i < from ? Qt::NoModifier : Qt::ShiftModifier);
    }
    void Paste(QWidget* box, const std::string& text) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        Key(box, Qt::Key_V, Qt::ControlModifier);
    }

    QWidget window;
    QLineEdit* line = nullptr;
    MultiLineBox* lines = nullptr;
    // Whether the line box's change signal reported a text that grew beyond the limit.
    bool grewPastLimit = false;
    QString last;
};
} // namespace

// What the author types or pastes is cut to what fits where it is put; into a stored text at
// or over the limit it inserts nothing, though a selection it replaced goes; the line box never
// reports a text lengthened beyond the limit. In the multi-line box a line break counts the two
// bytes the model holds, and a text comes back byte for byte where no edit touched it.
TEST_F(TypingLimitTest, WhatTheAuthorTypesOrPastesIsCutToWhatFits) {
    struct Case {
        const char* what;
        std::string stored;
        int from, selected; // the cursor at the end for a negative start
        std::string pasted, typed, held;
        bool multiLineOnly = false;
    };
    const Case cases[] = {
        {"typed over a selection of a long text", Of(40, 'w'), 0, 5, "", "abcde", Of(35, 'w')},
        {"pasted over a selection of a long text", Of(40, 'w'), 0, 15, "abcdefghij", "",
         "abcde" + Of(25, 'w')},
        {"typed over the end of a long text", Of(40, 'w'), 28, 12, "", "abcdef",
         Of(28, 'w') + "ab"},
        {"pasted into the middle", Of(26, 'w'), 1, 0, "abcdew", "z", "wabcd" + Of(25, 'w')},
        {"typed over a line and its break", "ab\r\ncd\r\nef\r\n" + Of(22, 'w'), 0, 3, "", "xy",
         "cd\r\nef\r\n" + Of(22, 'w'), true},
        {"pasted lines", Of(25, 'w'), -1, 0, "ab\ncdef", "", Of(25, 'w') + "ab\r\nc", true},
        {"a break that only half fits", Of(27, 'w'), -1, 0, "ab\ncd", "", Of(27, 'w') + "ab", true},
        {"Enter with one byte left", Of(29, 'w'), -1, 0, "", "\rxy", Of(29, 'w') + "x", true},
        {"left alone", "a\xA0\nb\rc", 0, 0, "", "", "a\xA0\nb\rc", true},
        {"typed after what it left alone", "a\xA0\r\nb", -1, 0, "", "c", "a\xA0\r\nbc", true},
    };
    for (const Case& c : cases)
        for (QWidget* box : {static_cast<QWidget*>(line), static_cast<QWidget*>(lines)}) {
            if (c.multiLineOnly && box == line) continue;
            SCOPED_TRACE(std::string(c.what) + (box == line ? ", line" : ", lines"));
            Set(box, c.stored);
            grewPastLimit = false;
            Select(box, c.from, c.selected);
            if (!c.pasted.empty()) Paste(box, c.pasted);
            QTest::keyClicks(box, QString::fromStdString(c.typed));
            EXPECT_EQ(Text(box), c.held);
            EXPECT_FALSE(grewPastLimit);
        }
}

// Undo steps back through what the author did, to the stored text however long it is, and an
// edit held to the limit takes no undo step away nor adds one that changes nothing; a paste
// cut to the limit is one step.
TEST_F(TypingLimitTest, UndoStepsBackThroughWhatTheAuthorDid) {
    for (QWidget* box : {static_cast<QWidget*>(line), static_cast<QWidget*>(lines)}) {
        SCOPED_TRACE(box == line ? "line" : "lines");
        Set(box, Of(40, 'w'));
        Select(box, -1, 0);
        Key(box, Qt::Key_Backspace);
        Key(box, Qt::Key_Left);
        Key(box, Qt::Key_Backspace);
        for (int shown : {38, 39, 40}) {
            QTest::keyClicks(box, "qq");
            EXPECT_EQ(Text(box), Of(shown, 'w'));
            Key(box, Qt::Key_Z, Qt::ControlModifier);
        }

        Set(box, Of(40, 'w'));
        Select(box, 0, 40);
        Paste(box, Of(35, 'p'));
        Key(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Text(box), Of(40, 'w'));
        QTest::keySequence(box, QKeySequence::Redo);
        EXPECT_EQ(Text(box), Of(30, 'p'));

        Set(box, Of(28, 'a'));
        Select(box, 0, 0);
        QTest::keyClicks(box, "bcd");
        EXPECT_EQ(Text(box), "bc" + Of(28, 'a'));
        Key(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Text(box), Of(28, 'a'));
    }
}

// Ctrl+V in the multi-line box takes text only: nothing copied yet, or data of no format, as a
// desktop's clipboard offers before anything is copied, inserts nothing and brings nothing down.
TEST_F(TypingLimitTest, PastingNoTextIntoTheMultiLineBoxInsertsNothing) {
    for (const bool noFormat : {false, true}) {
        if (noFormat) QGuiApplication::clipboard()->setMimeData(new QMimeData);
        Set(lines, "one");
        Select(lines, -1, 0);
        Key(lines, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(lines->ModelText(), "one") << noFormat;
    }
}

// A long paste into the multi-line box, whichever way it comes in, is cut to what fits before
// the box takes it: the document never takes in more than fits, and undo takes it back in one
// step. A middle click pastes only where the platform has a selection to paste.
TEST_F(TypingLimitTest, ALongPasteIntoTheMultiLineBoxIsCutBeforeTheBoxTakesIt) {
    const QString pasted = "ab\r\n" + QString(200000, u'p');
    int mostTakenIn = 0;
    QObject::connect(
        lines->document(), &QTextDocument::contentsChange,
        [&mostTakenIn](int, int, int added) { mostTakenIn = std::max(mostTakenIn, added); });
    // Where the text goes in: after the second character of the stored text.
    const auto at = [this] { return CharacterAt(lines, 2); };
    QClipboard& clipboard = *QGuiApplication::clipboard();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Ctrl+V", [this] { Key(lines, Qt::Key_V, Qt::ControlModifier); }},
        {"the context menu's Paste",
         [this, &at] {
             QContextMenuEvent menu(QContextMenuEvent::Mouse, at(), lines->mapToGlobal(at()));
             QApplication::sendEvent(lines->viewport(), &menu);
             QWidget* popup = QApplication::activePopupWidget();
             ASSERT_NE(popup, nullptr);
             QTest::keyClick(popup, Qt::Key_P);
         }},
        {"a middle click",
         [this, &at, &clipboard] {
             clipboard.setText(clipboard.text(), QClipboard::Selection);
             QTest::mouseClick(lines->viewport(), Qt::MiddleButton, {}, at());
         }},
        {"a drop",
         [this, &at, &clipboard] {
             QMimeData data;
             data.setText(clipboard.text());
             // A drop goes to the widget that took the drag's entry.
             QDragEnterEvent enter(at(), Qt::CopyAction, &data, Qt::LeftButton, {});
             QApplication::sendEvent(lines->viewport(), &enter);
             QDropEvent drop(at(), Qt::CopyAction, &data, Qt::LeftButton, {});
             QApplication::sendEvent(lines->viewport(), &drop);
         }},
    };
    for (const auto& [what, paste] : ways) {
        if (what == std::string("a middle click") && !clipboard.supportsSelection()) continue;
        SCOPED_TRACE(what);
        clipboard.setText(pasted);
        Set(lines, Of(20, 'w'));
        Select(lines, 2, 0);
        mostTakenIn = 0;
        paste();
        EXPECT_EQ(lines->ModelText(), "wwab\r\n" + Of(6, 'p') + Of(18, 'w'));
        // Two letters, the line break and six more: the model's 30 bytes.
        EXPECT_EQ(mostTakenIn, 9);
        Key(lines, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(lines->ModelText(), Of(20, 'w'));
    }
}

// Drags what is selected from `from` on one box's area to `to` on another's, or the same. The
// platform runs the drag while the mouse moves and is released, in an event loop of its own
// from the first move on.
void DragText(QWidget* fromArea, QPoint from, QWidget* toArea, QPoint to) {
    QTimer::singleShot(50, toArea, [toArea, to] {
        QTest::mouseMove(toArea, to);
        QTimer::singleShot(50, toArea,
                           [toArea, to] { QTest::mouseRelease(toArea, Qt::LeftButton, {}, to); });
    });
    QTest::mousePress(fromArea, Qt::LeftButton, {}, from);
    QTest::mouseMove(fromArea, from + QPoint(QApplication::startDragDistance() + 10, 0));
    QTest::mouseMove(toArea, to);
}

// In the multi-line box every way of writing a line break in a pasted text is one line break,
// which counts the model's two bytes; a long paste over a selection takes its place.
TEST_F(TypingLimitTest, APasteIntoTheMultiLineBoxTakesTheSelectionsPlaceWithTheModelsBreaks) {
    struct Case {
        const char* what;
        std::string stored;
        int from, selected; // the cursor at the end for a negative start
        QString pasted;
        std::string held;
    };
    const Case cases[] = {
        {"breaks of every kind", "", -1, 0, u"a\u2028b\u2029c\rd\r\ne\nf"_qs,
         "a\r\nb\r\nc\r\nd\r\ne\r\nf"},
        {"a line separator that only half fits", Of(28, 'w'), -1, 0, u"a\u2028b"_qs,
         Of(28, 'w') + "a"},
        {"a long paste over a selection", "abcdef" + Of(14, 'w'), 2, 4,
         "ab\r\n" + QString(200000, u'p'), "abab\r\n" + Of(10, 'p') + Of(14, 'w')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Set(lines, c.stored);
        Select(lines, c.from, c.selected);
        QGuiApplication::clipboard()->setText(c.pasted);
        Key(lines, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(lines->ModelText(), c.held);
    }
}

// Text dragged to another place in the multi-line box moves there whole, also in a stored text
// over the limit, and undo and redo step between the two texts whole.
TEST_F(TypingLimitTest, TextDraggedWithinTheMultiLineBoxMovesWholeOverTheLimitToo) {
    if (QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "this platform drags nothing; run it under a display server";
    window.resize(400, 200);
    Set(lines, "abcdefghij" + Of(40, 'w'));
    Select(lines, 0, 5);
    DragText(lines->viewport(), CharacterAt(lines, 2), lines->viewport(), CharacterAt(lines, 20));
    const std::string moved = "fghij" + Of(10, 'w') + "abcde" + Of(30, 'w');
    EXPECT_EQ(lines->ModelText(), moved);
    Key(lines, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines->ModelText(), "abcdefghij" + Of(40, 'w'));
    QTest::keySequence(lines, QKeySequence::Redo);
    EXPECT_EQ(lines->ModelText(), moved);
}

// Text dragged onto another box that has less room for it loses no character: the box takes
// what fits and the text stays whole where it came from. A drop that fits moves the text. (Line
// boxes drag nothing.)
TEST_F(TypingLimitTest, TextDraggedOntoABoxWithLessRoomStaysWholeWhereItCameFrom) {
    if (QGuiApplication::platformName() == "offscreen")
        GTEST_SKIP() << "this platform drags nothing; run it under a display server";
    auto* small = new MultiLineBox(5, &window);
    window.layout()->addWidget(small);
    window.resize(400, 300);
    const std::string dragged = "abcdefghijklmnopqrst";
    struct Case {
        const char* what;
        QWidget* target;
        int selected;
        std::string targetBefore, sourceAfter, targetAfter;
    };
    const Case cases[] = {
        {"a small multi-line box", small, 20, "", dragged + "ww", "abcde"},
        {"a line box", line, 20, Of(28, 'x'), dragged + "ww", Of(28, 'x') + "ab"},
        {"a small multi-line box with room", small, 3, "", dragged.substr(3) + "ww", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Set(c.target, c.targetBefore);
        Set(lines, dragged + "ww");
        Select(lines, 0, c.selected);
        QWidget* to = c.target == line ? line : small->viewport();
        // Past the end of the target's text.
        DragText(lines->viewport(), CharacterAt(lines, 1), to,
                 QPoint(to->width() - 5, to->height() / 2));
        EXPECT_EQ(Text(lines), c.sourceAfter);
        EXPECT_EQ(Text(c.target), c.targetAfter);
    }
}
