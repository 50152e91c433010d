#include "forms/MultiLineBox.h"

#include "forms/TypingLimit.h"
#include "platform/qt/QtText.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QTextDocument>

namespace {
// The model holds a line break as CR LF, and the limit counts its bytes.
constexpr int kModelLineBreakLength = 2;

// The text with each of its line breaks, however written, as one LF, as the box shows it: the
// document makes a block of CR LF, of a lone CR and of a paragraph separator alike, and keeps a
// line separator within its block.
QString WithLfLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar lineBreak :
         {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        text.replace(lineBreak, u'\n');
    return text;
}
} // namespace

MultiLineBox::MultiLineBox(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { Edited(); });
}

void MultiLineBox::SetModelText(const std::string& text) {
    settingText_ = true;
    QString shown = ToQString(text);
    shown.replace("\r\n", "\n");
    setPlainText(shown);
    Accept(ShownText());
    shownAtSet_ = accepted_;
    modelAtSet_ = text;
    settingText_ = false;
}

std::string MultiLineBox::ModelText() const {
    QString text = ShownText();
    // A box the author has left as it was gives back the very bytes it was given: showing a
    // text turns a lone CR or LF into a line break, which would come back as CR LF.
    if (text == shownAtSet_) return modelAtSet_;
    text.replace("\n", "\r\n");
    return FromQString(text);
}

QString MultiLineBox::ShownText() const {
    // The document's plain text would turn a non-breaking space into a blank.
    return WithLfLineBreaks(document()->toRawText());
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    const QString text = source->text();
    // What does not fit is cut before the box takes it: laying out a long paste only to cut it
    // afterwards costs time that grows with the square of its length.
    const QString pasted = WithLfLineBreaks(text);
    const QString before = ShownText();
    const QTextCursor cursor = textCursor();
    const qsizetype start = cursor.selectionStart();
    const QString after = before.left(start) + pasted + before.mid(cursor.selectionEnd());
    const HeldEdit edit =
        HoldToLimit(before, after, start + pasted.size(), maxLength_, kModelLineBreakLength);
    // Text moved within the box brings in nothing, and goes in whole.
    insertionCut_ = !movingWithin_ && edit.fitting != edit.inserted;
    if (!insertionCut_) {
        insertPlainText(text);
    } else {
        QTextCursor replaced = cursor;
        replaced.setPosition(static_cast<int>(edit.head));
        replaced.setPosition(static_cast<int>(before.size() - edit.tail), QTextCursor::KeepAnchor);
        setTextCursor(replaced);
        insertPlainText(after.mid(edit.head, edit.fitting));
    }
    ensureCursorVisible();
}

void MultiLineBox::dropEvent(QDropEvent* event) {
    movingWithin_ = event->source() == viewport() && event->dropAction() == Qt::MoveAction;
    insertionCut_ = false;
    QPlainTextEdit::dropEvent(event);
    movingWithin_ = false;
    // Text dragged from another box of the program that this one cuts to what fits stays whole
    // where it came from: the drop copies it rather than moves it, and no character is lost.
    // Where the text came from another program, that program decides.
    if (insertionCut_ && event->source() && event->source() != viewport())
        event->setDropAction(Qt::CopyAction);
}

namespace {
// Whether a move reports the left button held while the author has let it go: a move that
// started a drag whose drop took the release, or one the box's auto-scroll made afterwards.
bool HeldNoLonger(const QMouseEvent& move) {
    return (move.buttons() & Qt::LeftButton) && !(QGuiApplication::mouseButtons() & Qt::LeftButton);
}
} // namespace

void MultiLineBox::mouseMoveEvent(QMouseEvent* event) {
    // The drop takes the release of a drag, so the box never sees it and still takes the button
    // for held. A move that started the drag outside the box has started its auto-scroll too,
    // which goes on making moves with the button held: one of them would start a second drag
    // of the text still selected, which waits for the author's next click and drops the text
    // there.
    if (HeldNoLonger(*event)) {
        EndGesture(*event);
        return;
    }
    QPlainTextEdit::mouseMoveEvent(event);
    if (HeldNoLonger(*event)) EndGesture(*event);
}

void MultiLineBox::EndGesture(const QMouseEvent& move) {
    // The text control takes this release for a click in the selection that never dragged, and
    // would put the caret where the drag started: the author's next key would land there. Only
    // the gesture ends; the caret, the selection and the scroll stay as the drop left them.
    const QTextCursor kept = textCursor();
    const int keptX = horizontalScrollBar()->value(), keptY = verticalScrollBar()->value();
    QMouseEvent release(QEvent::MouseButtonRelease, move.position(), move.scenePosition(),
                        move.globalPosition(), Qt::LeftButton, Qt::NoButton, move.modifiers(),
                        move.pointingDevice());
    QPlainTextEdit::mouseReleaseEvent(&release);
    setTextCursor(kept);
    horizontalScrollBar()->setValue(keptX);
    verticalScrollBar()->setValue(keptY);
}

bool MultiLineBox::SteppedThroughHistory(const QString& text) const {
    // An undo leaves a step to redo, and so does a redo short of the last one. A redo of the
    // last one comes back to the text that step left, which may be longer than the limit: a
    // text moved within the box, or one stored so.
    return document()->isRedoAvailable() ||
           (document()->availableUndoSteps() == latestSteps_ && text == latest_);
}

void MultiLineBox::Accept(const QString& text) {
    accepted_ = text;
    if (document()->isRedoAvailable()) return;
    latest_ = text;
    latestSteps_ = document()->availableUndoSteps();
}

void MultiLineBox::Edited() {
    if (settingText_) return;
    const QString edited = ShownText();
    if (SteppedThroughHistory(edited)) {
        accepted_ = edited;
        return;
    }
    const HeldEdit edit =
        HoldToLimit(accepted_, edited, textCursor().position(), maxLength_, kModelLineBreakLength);
    // Text moved within the box brings in nothing, and must not be lost from a text that is
    // over the limit.
    if (edit.fitting == edit.inserted || (movingWithin_ && edited.size() == accepted_.size())) {
        Accept(edited);
        return;
    }
    const qsizetype end = edit.head + edit.fitting;
    const QString held = edited.left(end) + edited.right(edit.tail);
    settingText_ = true;
    // The edit is taken back and what of it fits is made again as one step, so that undo never
    // passes through a text too long nor through a step that changed nothing.
    if (document()->isUndoAvailable()) {
        document()->undo();
        document()->clearUndoRedoStacks(QTextDocument::RedoStack);
    }
    const QString undone = ShownText();
    if (undone != held) {
        // The change from the text undone to the held one, with nothing to cut.
        const HeldEdit step = HoldToLimit(undone, held, end, held.size());
        QTextCursor cursor(document());
        cursor.setPosition(static_cast<int>(step.head));
        cursor.setPosition(static_cast<int>(undone.size() - step.tail), QTextCursor::KeepAnchor);
        cursor.insertText(held.mid(step.head, step.inserted));
    }
    QTextCursor cursor = textCursor();
    cursor.setPosition(static_cast<int>(end));
    setTextCursor(cursor);
    Accept(ShownText());
    settingText_ = false;
}
