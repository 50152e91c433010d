#include "dialogs/records/ScenarioFormParts.h"

#include "platform/qt/QtText.h"

#include <QLineEdit>
#include <algorithm>

void ShowWholeText(QLineEdit* box, const std::string& text, int limit) {
    const QString shown = ToQString(text);
    box->setMaxLength(std::max(limit, static_cast<int>(shown.size())));
    box->setText(shown);
    // A long text is shown from its beginning.
    box->setCursorPosition(0);
}

std::string BoxText(const QLineEdit* box) {
    return FromQString(box->text());
}
