#include "forms/TypingLimit.h"
#include "support/DialogDriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <functional>

namespace {
constexpr int kLimit = 30;

// A window with one box held to thirty characters, as the author meets it in a dialog.
class TypingLimitTest : public ::testing::Test {
  public:
    TypingLimitTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box = new QLineEdit(&window));
        LimitTyping(box, kLimit);
        QObject::connect(box, &QLineEdit::textChanged, [this](const QString& text) {
            grewPastLimit |= text.size() > kLimit && text.size() > last.size();
            last = text;
        });
        ShowActive(window);
        box->setFocus();
        oldClipboard = QGuiApplication::clipboard()->text();
    }
    ~TypingLimitTest() override { QGuiApplication::clipboard()->setText(oldClipboard); }

    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(box, Qt::Key(key), modifiers);
    }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Key(Qt::Key_V, Qt::ControlModifier);
    }

    QWidget window;
    QLineEdit* box = nullptr;
    // Whether the box's change signal reported a text that grew beyond the limit.
    bool grewPastLimit = false;
    QString last;
    QString oldClipboard;
};

QString Of(int count, char c) {
    return QString(count, QLatin1Char(c));
}
} // namespace

// Over a stored text longer than the limit, or a shorter one, what the author types or pastes
// over a selection or at the cursor is cut to what fits, deleting always works, and the change
// signal never reports a text that an edit lengthened beyond the limit.
TEST_F(TypingLimitTest, TypingIsHeldToTheLimitWhateverTheStoredTextHolds) {
    struct Case {
        const char* what;
        QString stored;
        std::function<void(TypingLimitTest&)> edit;
        QString shown;
    };
    const Case cases[] = {
        {"typed over part of a long text", Of(40, 'w'),
         [](TypingLimitTest& t) {
             t.Key(Qt::Key_Home);
             for (int i = 0; i < 5; ++i)
                 t.Key(Qt::Key_Right, Qt::ShiftModifier);
             QTest::keyClicks(t.box, "xy");
         },
         Of(35, 'w')},
        {"deleted, then typed", Of(40, 'w'),
         [](TypingLimitTest& t) {
             for (int i = 0; i < 12; ++i)
                 t.Key(Qt::Key_Backspace);
             QTest::keyClicks(t.box, "abcdef");
         },
         Of(28, 'w') + "ab"},
        {"pasted over the whole long text", Of(40, 'w'),
         [](TypingLimitTest& t) {
             t.Key(Qt::Key_A, Qt::ControlModifier);
             t.Paste("0123456789" + Of(25, 'p'));
         },
         "0123456789" + Of(20, 'p')},
        {"pasted into the middle, cut where it is put", Of(26, 'w'),
         [](TypingLimitTest& t) {
             t.Key(Qt::Key_Home);
             t.Key(Qt::Key_Right);
             t.Paste("abcdef");
             QTest::keyClicks(t.box, "z");
         },
         "wabcd" + Of(25, 'w')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box->setText(c.stored);
        grewPastLimit = false;
        c.edit(*this);
        EXPECT_EQ(box->text(), c.shown);
        EXPECT_FALSE(grewPastLimit);
    }
}

// Undo steps back through what the author did, to the stored text however long it is, also
// over a paste that was cut, and typing at the limit takes no undo step away; a text set by
// code after typing shows whole and holds typing as well.
TEST_F(TypingLimitTest, UndoRestoresWhatTheBoxHeldAndCodeSetsTextsWhole) {
    box->setText(Of(40, 'w'));
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Left);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(box->text().size(), 38);
    // The box holds after each undo step, too.
    for (int shown : {39, 40}) {
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box->text(), Of(shown, 'w'));
        QTest::keyClicks(box, "qq");
        EXPECT_EQ(box->text(), Of(shown, 'w'));
    }

    // A paste cut to the limit is one step that undo takes back, to the stored text.
    box->setText(Of(40, 'w'));
    Key(Qt::Key_A, Qt::ControlModifier);
    Paste(Of(35, 'p'));
    EXPECT_EQ(box->text(), Of(30, 'p'));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), Of(40, 'w'));

    box->setText("");
    QTest::keyClicks(box, Of(29, 'a'));
    Key(Qt::Key_Home);
    QTest::keyClicks(box, "bc");
    EXPECT_EQ(box->text(), "b" + Of(29, 'a'));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), Of(29, 'a'));

    // Also while the box's signals are blocked.
    for (const bool quiet : {false, true}) {
        const QSignalBlocker blocker(quiet ? box : nullptr);
        const QString stored = Of(45, quiet ? 'm' : 'n');
        box->setText(stored);
        QTest::keyClicks(box, "q");
        EXPECT_EQ(box->text(), stored);
    }
}
