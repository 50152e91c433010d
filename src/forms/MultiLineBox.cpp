#include "forms/MultiLineBox.h"

#include "platform/qt/QtText.h"

#include <QMimeData>
#include <algorithm>

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
    accepted_ = toPlainText();
    settingText_ = false;
}

std::string MultiLineBox::ModelText() const {
    QString text = toPlainText();
    text.replace("\n", "\r\n");
    return FromQString(text);
}

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    insertPlainText(source->text());
    ensureCursorVisible();
}

namespace {
// The length of a shown text in the model, where a line break takes two bytes.
qsizetype ModelLength(const QString& shown) {
    return shown.size() + shown.count('\n');
}
} // namespace

void MultiLineBox::Edited() {
    if (settingText_) return;
    const qsizetype length = ModelLength(toPlainText());
    // An edit that does not lengthen the text is taken even beyond the limit, so that a long
    // text set by code can be shortened.
    if (length <= maxLength_ || length <= ModelLength(accepted_)) {
        accepted_ = toPlainText();
        return;
    }
    // Too long: the edit is undone, and the cursor stays where the edit began.
    const int position = std::min(textCursor().position(), static_cast<int>(accepted_.size()));
    settingText_ = true;
    setPlainText(accepted_);
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
    settingText_ = false;
}
