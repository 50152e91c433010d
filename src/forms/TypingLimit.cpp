#include "forms/TypingLimit.h"

#include <QLineEdit>
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
        const qsizetype before = before_.size(), after = input.size();
        // The edit replaced the middle of the text: what follows the cursor and what precedes
        // the replaced part are the same before and after.
        qsizetype tail = 0;
        const qsizetype tailMax =
            std::min({before, after, after - std::clamp<qsizetype>(pos, 0, after)});
        while (tail < tailMax && before_[before - 1 - tail] == input[after - 1 - tail])
            ++tail;
        qsizetype head = 0;
        const qsizetype headMax = std::min(before, after) - tail;
        while (head < headMax && before_[head] == input[head])
            ++head;
        const qsizetype inserted = after - head - tail;
        const qsizetype room = std::max<qsizetype>(0, limit_ - (head + tail));
        if (inserted <= room) return Take(input);
        QString held = input.left(head + room) + input.right(tail);
        // Nothing of it fits and nothing was removed: the box takes back the edit whole, which
        // keeps its undo steps.
        if (held == before_) return Invalid;
        input = std::move(held);
        pos = static_cast<int>(head + room);
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
} // namespace

void LimitTyping(QLineEdit* box, int limit) {
    box->setValidator(new TypingLimitValidator(box, limit));
}
