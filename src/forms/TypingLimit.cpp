#include "forms/TypingLimit.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>
#include <algorithm>

namespace {
// The box's own maximum length would either cut a long stored text when it is shown or, raised
// to the stored length, let the author type that many characters. A validator sees every edit
// before the box takes it, whichever way the author made it, and can tell it from a text set
// by code, which leaves the box unmodified.
class TypingLimitValidator : public QValidator {
  public:
    TypingLimitValidator(QLineEdit* box, int limit)
        : QValidator(box), box_(box), limit_(limit), before_(box->text()) {}

    State validate(QString& input, int& pos) const override {
        // A text set by code is shown whole. Undo and redo step back to texts that the box has
        // held already; only a redo leaves nothing more to redo, and it repeats an edit that
        // was held to the limit the first time.
        if (!box_->isModified() || box_->isRedoAvailable()) return Take(input);
        const HeldEdit edit = HoldToLimit(before_, input, pos, limit_);
        if (edit.fitting == edit.inserted) return Take(input);
        const qsizetype end = edit.head + edit.fitting;
        QString held = input.left(end) + input.right(edit.tail);
        // Nothing of it fits and nothing was removed: the box takes back the edit whole, which
        // keeps its undo steps.
        if (held == before_) return Invalid;
        input = std::move(held);
        pos = static_cast<int>(end);
        return Take(input);
    }

  private:
    // Every change of the text passes here, also one made while the box's signals are blocked.
    State Take(const QString& text) const {
        before_ = text;
        return Acceptable;
    }

    QLineEdit* box_;
    int limit_;
    // The text before the edit under validation: the box already holds the edited one.
    mutable QString before_;
};

// A paste or drop that the validator cuts reaches the box as a new text, which takes the box's
// undo steps with it. A paste by key is cut here instead, before the box takes it, so that it
// stays one step that undo takes back; so is text dragged from another box of the program.
class InsertionHeldToLimit : public QObject {
  public:
    InsertionHeldToLimit(QLineEdit* box, int limit) : QObject(box), box_(box), limit_(limit) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (box_->isReadOnly()) return false;
        if (event->type() == QEvent::Drop) return DropHeld(*static_cast<QDropEvent*>(event));
        if (event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return false;
        const qsizetype start =
            box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
        return InsertHeld(start, start + box_->selectedText().size(),
                          QGuiApplication::clipboard()->text());
    }

  private:
    // Text dragged from another box of the program stays whole where it came from when this
    // box cuts it: the drop copies it rather than moves it, and no character is lost. Where
    // the text came from another program, that program decides, and the box cuts it as it
    // cuts any drop.
    bool DropHeld(QDropEvent& drop) {
        const QMimeData* data = drop.mimeData();
        if (!drop.source() || drop.source() == box_ || !data || !data->hasText()) return false;
        const qsizetype at = box_->cursorPositionAt(drop.position().toPoint());
        if (!InsertHeld(at, at, data->text())) return false;
        drop.setDropAction(Qt::CopyAction);
        drop.accept();
        return true;
    }

    // Puts what fits of the text in place of the characters from start to end, as one step.
    // Where all of it fits, does nothing and returns false: the box takes it as it comes.
    bool InsertHeld(qsizetype start, qsizetype end, const QString& text) {
        const QString before = box_->text();
        const QString after = before.left(start) + text + before.mid(end);
        const HeldEdit edit = HoldToLimit(before, after, start + text.size(), limit_);
        if (edit.fitting == edit.inserted) return false;
        box_->setSelection(static_cast<int>(edit.head),
                           static_cast<int>(before.size() - edit.head - edit.tail));
        box_->insert(after.mid(edit.head, edit.fitting));
        return true;
    }

    QLineEdit* box_;
    int limit_;
};
} // namespace

HeldEdit HoldToLimit(const QString& before, const QString& after, qsizetype cursor, qsizetype limit,
                     int lineBreakLength) {
    HeldEdit edit;
    const qsizetype b = before.size(), a = after.size();
    // What follows the cursor and what precedes the replaced part are the same before and
    // after; bounding the tail by the cursor places an insertion among equal characters where
    // the author made it.
    const qsizetype tailMax = std::min({b, a, a - std::clamp<qsizetype>(cursor, 0, a)});
    while (edit.tail < tailMax && before[b - 1 - edit.tail] == after[a - 1 - edit.tail])
        ++edit.tail;
    const qsizetype headMax = std::min(b, a) - edit.tail;
    while (edit.head < headMax && before[edit.head] == after[edit.head])
        ++edit.head;
    edit.inserted = a - edit.head - edit.tail;
    const auto length = [lineBreakLength](QChar c) -> qsizetype {
        return c == u'\n' ? lineBreakLength : 1;
    };
    qsizetype room = limit;
    for (qsizetype i = 0; i < edit.head; ++i)
        room -= length(after[i]);
    for (qsizetype i = a - edit.tail; i < a; ++i)
        room -= length(after[i]);
    while (edit.fitting < edit.inserted && length(after[edit.head + edit.fitting]) <= room)
        room -= length(after[edit.head + edit.fitting++]);
    return edit;
}

void LimitTyping(QLineEdit* box, int limit) {
    box->setValidator(new TypingLimitValidator(box, limit));
    box->installEventFilter(new InsertionHeldToLimit(box, limit));
}
